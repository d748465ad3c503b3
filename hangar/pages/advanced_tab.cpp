#include "hangar/pages/advanced_tab.h"

#include "hangar/pages/setting_changed.h"
#include "hangar/window_ids.h"

#include <wx/checkbox.h>
#include <wx/filefn.h>

bool IsPunkBusterInstalled()
{
    return wxFileExists("../TROVGame/pb/PnkBstrA.exe");
}

wxBEGIN_EVENT_TABLE(AdvancedTab, wxPanel) wxEND_EVENT_TABLE()

    AdvancedTab::AdvancedTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    m_punkBuster = new wxCheckBox(this, AdvancedId::PunkBuster, "  Enable PunkBuster");
    SetDefaults();
}

void AdvancedTab::SetDefaults()
{
    if (IsPunkBusterInstalled())
    {
        m_punkBuster->SetValue(true);
    }
    else
    {
        m_punkBuster->SetValue(false);
        m_punkBuster->Disable();
    }
}

void AdvancedTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}
