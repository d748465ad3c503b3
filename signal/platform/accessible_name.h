#pragma once

// The name a screen reader gives a control that has no label of its own.

#include <wx/string.h>

class wxWindow;

void SetAccessibleName(wxWindow& window, const wxString& name);
// The name as the system's accessibility interface gives it.
wxString GetAccessibleName(wxWindow& window);
