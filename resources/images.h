#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The images compiled into the programs: the program icon at its sizes, and the two logos.
// On Linux: the icon at 32 x 32 first, then 48, 64, 128 and 256 (resources/linux). On Windows
// they are the program's own resources, the icon "IDI_KZ" at 16, 32, 48 and 256 and the logo
// "IDB_LOGO", which each program has only its own of (resources/win32).
wxIconBundle ProgramIcons();
wxBitmap LauncherLogo(); // 422 x 120
wxBitmap ConsoleLogo();  // 318 x 81
