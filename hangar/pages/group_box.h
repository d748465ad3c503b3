#pragma once

#include <wx/string.h>

class wxSizer;
class wxWindow;

// Builds a captioned group box on a page: an outer panel (added to parentSizer) holding a static
// box, and inside it an inner panel whose sizer becomes contentSizer. Returns the inner panel:
// the group's controls are its children and go into contentSizer.
wxWindow* CreateGroupBox(wxWindow* parent, wxSizer* parentSizer, wxSizer* contentSizer,
                         const wxString& caption);
