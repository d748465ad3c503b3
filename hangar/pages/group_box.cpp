#include "hangar/pages/group_box.h"

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

wxWindow* CreateGroupBox(wxWindow* parent, wxSizer* parentSizer, wxSizer* contentSizer,
                         const wxString& caption)
{
    wxPanel* outer = new wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                 wxTAB_TRAVERSAL | wxNO_BORDER);
    parentSizer->Add(outer, 0, wxEXPAND | wxBOTTOM, parent->FromDIP(5));

    wxStaticBox* box = new wxStaticBox(outer, wxID_ANY, caption);
    wxStaticBoxSizer* boxSizer = new wxStaticBoxSizer(box, wxVERTICAL);
    boxSizer->AddSpacer(outer->FromDIP(caption.empty() ? 8 : 5));
    outer->SetSizer(boxSizer);

    // The inner panel is a sibling of the box, as the box's sizer lays it out over the box.
    wxPanel* inner = new wxPanel(outer, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                 wxTAB_TRAVERSAL | wxNO_BORDER);
    boxSizer->Add(inner, 0, wxEXPAND | wxBOTTOM, outer->FromDIP(8));
    inner->SetSizer(contentSizer);
    return inner;
}
