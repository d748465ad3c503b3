#pragma once

#include <wx/string.h>

class wxConfigBase;
class wxWindow;

// The settings file's value of a page control, by the control's kind: a text field its text, a
// check box "True" or "False", a choice the text of its selected item (empty when none), a list
// box its items joined with ","; any other control empty text. Two keys have rules of their own:
// "RotationList" is the list rule, and "Rounds" stores n / 2 + 1 for the field's number n.
wxString SavedValue(const wxString& key, wxWindow* control);

// Puts the value stored under key (in the configuration's current group) into the control, by
// its kind. A missing key and a check-box text that gives no state (CheckBoxState) leave the
// control as it is; a choice text no item equals is appended as a new last item and selected, so
// that the next save writes it back (an empty one leaves the choice as it is); a list box gets the
// stored pieces appended (none when the key is missing); "Rounds" goes back into its field by the
// rounds rule, at most the largest value the field's range allows.
void LoadValue(const wxString& key, wxWindow* control, const wxConfigBase& config);
