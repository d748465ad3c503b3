#include "resources/images.h"

#include <windows.h>

#include <wx/icon.h>

// The images are resources of the program itself (resources/win32/hangar.rc, signal.rc): the
// icon "IDI_KZ" at 16, 32, 48 and 256 pixels, and "IDB_LOGO" with "IDB_LOGO_2X" at twice its size,
// the logo of the program it is in.

wxIconBundle ProgramIcons()
{
    return wxIconBundle("IDI_KZ", reinterpret_cast<WXHINSTANCE>(GetModuleHandleW(nullptr)));
}

namespace
{
wxBitmapBundle ProgramLogo()
{
    return wxBitmapBundle::FromBitmaps(wxBitmap("IDB_LOGO", wxBITMAP_TYPE_BMP_RESOURCE),
                                       wxBitmap("IDB_LOGO_2X", wxBITMAP_TYPE_BMP_RESOURCE));
}
} // namespace

wxBitmapBundle LauncherLogo()
{
    return ProgramLogo();
}

wxBitmapBundle ConsoleLogo()
{
    return ProgramLogo();
}
