#include "hangar/pages/advanced_tab.h"

#include "hangar/core/punkbuster.h"
#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/group_box.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/range_validator.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/window_ids.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
// One row of a spawning grid: the caption and the numeric field with its range.
wxTextCtrl* AddNumberRow(wxWindow* group, wxSizer* grid, int id, int stringId, int minValue,
                         int maxValue)
{
    grid->Add(CreateFieldCaption(group, stringId), 0, wxEXPAND | wxLEFT, 8);
    wxTextCtrl* field = CreateTextField(group, id);
    grid->Add(field, 0, wxEXPAND | wxRIGHT, 8);
    field->SetValidator(RangeValidator(minValue, maxValue, g_validatorText));
    return field;
}
} // namespace

AdvancedTab::AdvancedTab(wxWindow* parent, const wxString& serverFolder)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER),
      m_serverFolder(serverFolder)
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(pageSizer);
    CreateLeftColumn(pageSizer);
    CreateRightColumn(pageSizer);
    SetDefaults();
}

// PunkBuster, the weapon rules and the drops.
void AdvancedTab::CreateLeftColumn(wxSizer* pageSizer)
{
    wxPanel* column = CreatePageColumn(this);
    pageSizer->Add(column, 1, wxEXPAND | wxALL, 10);
    wxSizer* columnSizer = column->GetSizer();

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxWindow* group =
        CreateGroupBox(column, columnSizer, sizer, LoadResString(StringId::PunkBuster));
    m_punkBuster =
        AddLabelledCheckBox(group, sizer, AdvancedId::PunkBuster, StringId::EnablePunkBuster);

    sizer = new wxBoxSizer(wxVERTICAL);
    group = CreateGroupBox(column, columnSizer, sizer, LoadResString(StringId::Weapons));
    m_friendlyFire =
        AddLabelledCheckBox(group, sizer, AdvancedId::FriendlyFire, StringId::FriendlyFire);
    m_weaponTracers =
        AddLabelledCheckBox(group, sizer, AdvancedId::WeaponTracers, StringId::Tracers);
    m_upgrades = AddLabelledCheckBox(group, sizer, AdvancedId::Upgrades, StringId::Upgrades);
    m_disableAutoRifleClass = AddLabelledCheckBox(group, sizer, AdvancedId::DisableAutoRifleClass,
                                                  StringId::DisableAutoRifleClass, true);
    m_disableRifleClass = AddLabelledCheckBox(group, sizer, AdvancedId::DisableRifleClass,
                                              StringId::DisableRifleClass);
    m_disableSMGClass =
        AddLabelledCheckBox(group, sizer, AdvancedId::DisableSMGClass, StringId::DisableSMGClass);
    m_disableSniperClass = AddLabelledCheckBox(group, sizer, AdvancedId::DisableSniperClass,
                                               StringId::DisableSniperRifleClass);
    m_disableRocketClass = AddLabelledCheckBox(group, sizer, AdvancedId::DisableRocketClass,
                                               StringId::DisableRocketClass);

    sizer = new wxBoxSizer(wxVERTICAL);
    group = CreateGroupBox(column, columnSizer, sizer, wxEmptyString);
    m_ammoDrop = AddLabelledCheckBox(group, sizer, AdvancedId::AmmoDrop, StringId::EnableAmmoDrop);
    m_healthDrop =
        AddLabelledCheckBox(group, sizer, AdvancedId::HealthDrop, StringId::EnableHealthDrop);
    m_weaponDrop =
        AddLabelledCheckBox(group, sizer, AdvancedId::WeaponDrop, StringId::EnableWeaponDrop);
    m_voiceCommands = AddLabelledCheckBox(group, sizer, AdvancedId::VoiceCommands,
                                          StringId::EnableVoiceCommands, true);
}

// The spawning times: invincibility after a spawn, and the delays before and after it per side.
void AdvancedTab::CreateRightColumn(wxSizer* pageSizer)
{
    wxPanel* column = CreatePageColumn(this);
    pageSizer->Add(column, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 10);
    wxSizer* columnSizer = column->GetSizer();

    wxSizer* grid = CreateFieldGrid();
    wxWindow* group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::Spawning));
    m_invincibility =
        AddNumberRow(group, grid, AdvancedId::Invincibility, StringId::InvincibilityTime, 1, 60);
    static_cast<RangeValidator*>(m_invincibility->GetValidator())->AcceptAsFinished("0");

    grid = CreateFieldGrid();
    group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::PreSpawnDelayTime));
    m_spawnPreDelayAxis =
        AddNumberRow(group, grid, AdvancedId::SpawnPreDelayAxis, StringId::Axis, 1, 3600);
    m_spawnPreDelayAllies =
        AddNumberRow(group, grid, AdvancedId::SpawnPreDelayAllies, StringId::Allies, 1, 3600);
    m_spawnPreDelayNonSky = AddNumberRow(group, grid, AdvancedId::SpawnPreDelayNonSky,
                                         StringId::NonSkydropGame, 1, 3600);

    grid = CreateFieldGrid();
    group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::PostSpawnDelayTime));
    m_spawnPostDelayAxis =
        AddNumberRow(group, grid, AdvancedId::SpawnPostDelayAxis, StringId::Axis, 1, 60);
    m_spawnPostDelayAllies =
        AddNumberRow(group, grid, AdvancedId::SpawnPostDelayAllies, StringId::Allies, 1, 60);
    m_spawnPostDelayNonSky = AddNumberRow(group, grid, AdvancedId::SpawnPostDelayNonSky,
                                          StringId::NonSkydropGame, 1, 60);
}

void AdvancedTab::SetDefaults()
{
    m_ammoDrop->SetValue(true);

    m_disableRifleClass->SetValue(false);
    m_disableSMGClass->SetValue(false);
    m_disableAutoRifleClass->SetValue(false);
    m_disableSniperClass->SetValue(false);
    m_disableRocketClass->SetValue(false);

    m_friendlyFire->SetValue(true);
    m_healthDrop->SetValue(true);

    // Below the range typing allows (1 to 60): set by the program, shown and saved as it is.
    m_invincibility->SetValue("0");

    // Once disabled the box stays disabled, even if the program appears later.
    if (IsPunkBusterInstalled(m_serverFolder))
    {
        m_punkBuster->SetValue(true);
    }
    else
    {
        m_punkBuster->SetValue(false);
        m_punkBuster->Disable();
    }

    m_spawnPostDelayAxis->SetValue("1");
    m_spawnPostDelayAllies->SetValue("1");
    m_spawnPostDelayNonSky->SetValue("1");

    m_spawnPreDelayAxis->SetValue("5");
    m_spawnPreDelayAllies->SetValue("5");
    m_spawnPreDelayNonSky->SetValue("5");

    m_voiceCommands->SetValue(true);
    m_weaponDrop->SetValue(true);
    m_weaponTracers->SetValue(true);
    m_upgrades->SetValue(true);
}

void AdvancedTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}

wxBEGIN_EVENT_TABLE(AdvancedTab, wxPanel)
    EVT_CHECKBOX(AdvancedId::AmmoDrop, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::DisableRifleClass, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::DisableSMGClass, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::DisableAutoRifleClass, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::DisableSniperClass, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::DisableRocketClass, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::FriendlyFire, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::HealthDrop, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::PunkBuster, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::VoiceCommands, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::WeaponDrop, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::WeaponTracers, AdvancedTab::OnSettingChanged)
    EVT_CHECKBOX(AdvancedId::Upgrades, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::Invincibility, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPostDelayAxis, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPostDelayAllies, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPostDelayNonSky, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPreDelayAxis, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPreDelayAllies, AdvancedTab::OnSettingChanged)
    EVT_TEXT(AdvancedId::SpawnPreDelayNonSky, AdvancedTab::OnSettingChanged)
wxEND_EVENT_TABLE()
