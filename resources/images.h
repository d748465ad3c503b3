#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The images compiled into the programs: the program icon at its sizes, and the two logos.
wxIconBundle ProgramIcons(); // 32 x 32 first, then 48, 64, 128 and 256
wxBitmap LauncherLogo();     // 422 x 120
wxBitmap ConsoleLogo();      // 318 x 81
