#pragma once

#include "hangar/pages/defaultable.h"

#include <wx/panel.h>

class BasicTab : public wxPanel, public Defaultable
{
public:
    explicit BasicTab(wxWindow* parent);

    void SetDefaults() override;

private:
    void OnSettingChanged(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
