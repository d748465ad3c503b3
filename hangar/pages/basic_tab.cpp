#include "hangar/pages/basic_tab.h"

#include "hangar/pages/setting_changed.h"

wxBEGIN_EVENT_TABLE(BasicTab, wxPanel) wxEND_EVENT_TABLE()

    BasicTab::BasicTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    SetDefaults();
}

void BasicTab::SetDefaults() {}

void BasicTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}
