#pragma once

#include "hangar/pages/defaultable.h"

#include <wx/panel.h>

class MiscTab : public wxPanel, public Defaultable
{
public:
    explicit MiscTab(wxWindow* parent);

    void SetDefaults() override;

    // Enables the Show Killer Time field exactly while "Show Who Killed Me" is checked; run after
    // SetDefaults and after a load, so the field never contradicts the box.
    void SyncKillerTimeField();

private:
    void OnSettingChanged(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
