#include "hangar/pages/misc_tab.h"

#include "hangar/pages/setting_changed.h"

wxBEGIN_EVENT_TABLE(MiscTab, wxPanel) wxEND_EVENT_TABLE()

    MiscTab::MiscTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    SetDefaults();
}

void MiscTab::SetDefaults() {}

void MiscTab::SyncKillerTimeField() {}

void MiscTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}
