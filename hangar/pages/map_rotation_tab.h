#pragma once

#include "hangar/pages/defaultable.h"

#include <wx/panel.h>

class wxListBox;

class MapRotationTab : public wxPanel, public Defaultable
{
public:
    explicit MapRotationTab(wxWindow* parent);

    // Empties the rotation; marks nothing modified.
    void SetDefaults() override;
    // Enables the five buttons from the selections of the two lists.
    virtual void UpdateButtons();

    wxListBox* m_rotationList = nullptr;
    wxListBox* m_mapList = nullptr;

private:
    wxDECLARE_EVENT_TABLE();
};
