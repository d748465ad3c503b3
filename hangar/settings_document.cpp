// The settings document: validation, save, Save As, load and the File commands.

#include "hangar/hangar_frame.h"

bool HangarFrame::ValidateSettings()
{
    return true;
}

bool HangarFrame::SaveSettings()
{
    return false;
}

bool HangarFrame::SaveSettingsAs()
{
    return false;
}

void HangarFrame::LoadSettings() {}

void HangarFrame::OnNew(wxCommandEvent& /*event*/) {}

void HangarFrame::OnOpen(wxCommandEvent& /*event*/) {}

void HangarFrame::OnSave(wxCommandEvent& /*event*/) {}

void HangarFrame::OnSaveAs(wxCommandEvent& /*event*/) {}

void HangarFrame::OnClose(wxCloseEvent& /*event*/)
{
    Destroy();
}
