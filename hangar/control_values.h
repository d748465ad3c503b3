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
// its kind. A missing key, a check-box text other than exactly "True" or "False", and a choice
// text no item equals leave the control as it is; a list box gets the stored pieces appended
// (none when the key is missing); "Rounds" goes back into its field by the rounds rule.
void LoadValue(const wxString& key, wxWindow* control, const wxConfigBase& config);
