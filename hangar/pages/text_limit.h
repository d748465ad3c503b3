#pragma once

#include <cstddef>

class wxString;
class wxTextCtrl;

// Limits what the user can put into a text control to maxLength characters: a key that would
// insert beyond the limit is swallowed, a paste inserts only what fits, and text that grows past
// the limit by any other way (dropped in, set with SetValue) is cut back. The limit holds what the
// user adds, never what the launcher loads: SetTextWhole puts in a text of any length, and such a
// text can be shortened but not lengthened. The toolkit's own maximum length is not used: on GTK
// it takes nothing at all of a longer text set by the program, and multi-line controls lack it.
void LimitTextLength(wxTextCtrl* control, std::size_t maxLength);

// Sets the control's text whole, however long, whether the control is limited or not; raises the
// text-changed event as SetValue does. A value loaded from a file goes in this way, so that it is
// shown and saved back as it stands.
void SetTextWhole(wxTextCtrl* control, const wxString& text);
