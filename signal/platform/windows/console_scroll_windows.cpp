#include "signal/platform/console_scroll.h"

#include <wx/textctrl.h>

// The rich edit control is already scrolled to its bottom by every append; a line scroll up from
// there would hide the newest line.
void ScrollToNewestLine(wxTextCtrl& /*console*/) {}
