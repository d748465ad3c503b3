#include "signal/platform/console_scroll.h"

#include <wx/textctrl.h>

// GTK scrolls an appended text view to its end once the text is laid out; the line scroll asked
// for here comes before that and does not undo it.
void ScrollToNewestLine(wxTextCtrl& console)
{
    console.ScrollLines(-1);
}
