#include "hangar/pages/map_rotation_tab.h"

#include "hangar/window_ids.h"

#include <wx/listbox.h>
#include <wx/sizer.h>

wxBEGIN_EVENT_TABLE(MapRotationTab, wxPanel) wxEND_EVENT_TABLE()

    MapRotationTab::MapRotationTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(sizer);
    m_mapList = new wxListBox(this, MapRotationId::MapList);
    sizer->Add(m_mapList, 1, wxEXPAND | wxALL, 10);
    m_rotationList = new wxListBox(this, MapRotationId::RotationList);
    sizer->Add(m_rotationList, 1, wxEXPAND | wxALL, 10);
}

void MapRotationTab::SetDefaults()
{
    m_rotationList->Clear();
    UpdateButtons();
}

void MapRotationTab::UpdateButtons() {}
