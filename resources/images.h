#pragma once

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>
#include <wx/window.h>

// The images compiled into the programs: the program icon at its sizes, and the two logos, each
// at its size and at twice it. On Linux: the icon at 32 x 32 first, then 48, 64, 128 and 256
// (resources/linux). On Windows they are the program's own resources, the icon "IDI_KZ" at 16,
// 32, 48 and 256 and the logo "IDB_LOGO" with "IDB_LOGO_2X", which each program has only its own
// of (resources/win32).
wxIconBundle ProgramIcons();
wxBitmapBundle LauncherLogo(); // 422 x 120 (DIPs)
wxBitmapBundle ConsoleLogo();  // 318 x 81 (DIPs)

// The logo at the scale of the window it is drawn in: its size in DIPs, in that window's pixels
// (drawn from the larger image at 150 % and 200 %, unchanged at 100 %).
inline wxBitmap LogoFor(const wxBitmapBundle& logo, const wxWindow* window)
{
    return logo.GetBitmap(window->FromDIP(logo.GetDefaultSize()));
}
