#pragma once

#include "hangar/pages/defaultable.h"

#include <wx/panel.h>

class wxCheckBox;

// True when the PunkBuster service program exists at "../TROVGame/pb/PnkBstrA.exe", resolved
// against the working directory at the moment of the call. Nothing is run or read.
bool IsPunkBusterInstalled();

class AdvancedTab : public wxPanel, public Defaultable
{
public:
    explicit AdvancedTab(wxWindow* parent);

    void SetDefaults() override;

    wxCheckBox* m_punkBuster = nullptr;

private:
    void OnSettingChanged(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
