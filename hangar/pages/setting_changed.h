#pragma once

class wxCommandEvent;

// The change handler shared by the settings pages: a user change to a control that carries a
// setting marks the document modified. It does not pass the event on.
void OnSettingChanged(wxCommandEvent& event);
