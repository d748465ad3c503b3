#include "hangar/pages/advanced_tab.h"

#include "hangar/core/punkbuster.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/window_ids.h"
#include "resources/string_table.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace
{
// The page's controls, in the order SetDefaults puts them back (the order of their window ids).
// PunkBuster is checked by default only where the program is installed (SetDefaults).
const PageSettings kSettings = {
    CheckBoxSetting("AmmoDrop", AdvancedId::AmmoDrop, StringId::EnableAmmoDrop, true),
    CheckBoxSetting("DisableRifleClass", AdvancedId::DisableRifleClass, StringId::DisableRifleClass,
                    false),
    CheckBoxSetting("DisableSMGClass", AdvancedId::DisableSMGClass, StringId::DisableSMGClass,
                    false),
    CheckBoxSetting("DisableAutoRifleClass", AdvancedId::DisableAutoRifleClass,
                    StringId::DisableAutoRifleClass, false),
    CheckBoxSetting("DisableSniperClass", AdvancedId::DisableSniperClass,
                    StringId::DisableSniperRifleClass, false),
    CheckBoxSetting("DisableRocketClass", AdvancedId::DisableRocketClass,
                    StringId::DisableRocketClass, false),
    CheckBoxSetting("FriendlyFire", AdvancedId::FriendlyFire, StringId::FriendlyFire, true),
    CheckBoxSetting("HealthDrop", AdvancedId::HealthDrop, StringId::EnableHealthDrop, true),
    // Below the range typing allows: set by the program, shown and saved as it is.
    NumberSetting("Invincibility", AdvancedId::Invincibility, StringId::InvincibilityTime, "0", 1,
                  60),
    CheckBoxSetting("PunkBuster", AdvancedId::PunkBuster, StringId::EnablePunkBuster, true),
    NumberSetting("SpawnPostDelayAxis", AdvancedId::SpawnPostDelayAxis, StringId::Axis, "1", 1, 60),
    NumberSetting("SpawnPostDelayAllies", AdvancedId::SpawnPostDelayAllies, StringId::Allies, "1",
                  1, 60),
    NumberSetting("SpawnPostDelayNonSky", AdvancedId::SpawnPostDelayNonSky,
                  StringId::NonSkydropGame, "1", 1, 60),
    NumberSetting("SpawnPreDelayAxis", AdvancedId::SpawnPreDelayAxis, StringId::Axis, "5", 1, 3600),
    NumberSetting("SpawnPreDelayAllies", AdvancedId::SpawnPreDelayAllies, StringId::Allies, "5", 1,
                  3600),
    NumberSetting("SpawnPreDelayNonSky", AdvancedId::SpawnPreDelayNonSky, StringId::NonSkydropGame,
                  "5", 1, 3600),
    CheckBoxSetting("VoiceCommands", AdvancedId::VoiceCommands, StringId::EnableVoiceCommands,
                    true),
    CheckBoxSetting("WeaponDrop", AdvancedId::WeaponDrop, StringId::EnableWeaponDrop, true),
    CheckBoxSetting("WeaponTracers", AdvancedId::WeaponTracers, StringId::Tracers, true),
    CheckBoxSetting("Upgrades", AdvancedId::Upgrades, StringId::Upgrades, true),
};

const PageSetting& Setting(int id)
{
    return SettingFor(kSettings, id);
}
} // namespace

const PageSettings& AdvancedTab::Settings()
{
    return kSettings;
}

AdvancedTab::AdvancedTab(wxWindow* parent, const wxString& serverFolder)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER),
      m_serverFolder(serverFolder)
{
    SetSizer(new wxBoxSizer(wxHORIZONTAL));
    CreateLeftColumn();
    CreateRightColumn();
    FitPageColumns(this);
    SetDefaults();
}

// PunkBuster, the weapon rules and the drops.
void AdvancedTab::CreateLeftColumn()
{
    wxPanel* column = AddPageColumn(this, PageFlags::Column(this));

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxWindow* group = AddGroup(column, sizer, StringId::PunkBuster);
    m_punkBuster = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::PunkBuster));

    sizer = new wxBoxSizer(wxVERTICAL);
    group = AddGroup(column, sizer, StringId::Weapons);
    m_friendlyFire = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::FriendlyFire));
    m_weaponTracers = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::WeaponTracers));
    m_upgrades = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::Upgrades));
    m_disableAutoRifleClass =
        AddLabelledCheckBox(group, sizer, Setting(AdvancedId::DisableAutoRifleClass), true);
    m_disableRifleClass = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::DisableRifleClass));
    m_disableSMGClass = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::DisableSMGClass));
    m_disableSniperClass =
        AddLabelledCheckBox(group, sizer, Setting(AdvancedId::DisableSniperClass));
    m_disableRocketClass =
        AddLabelledCheckBox(group, sizer, Setting(AdvancedId::DisableRocketClass));

    sizer = new wxBoxSizer(wxVERTICAL);
    group = AddGroup(column, sizer);
    m_ammoDrop = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::AmmoDrop));
    m_healthDrop = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::HealthDrop));
    m_weaponDrop = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::WeaponDrop));
    m_voiceCommands = AddLabelledCheckBox(group, sizer, Setting(AdvancedId::VoiceCommands), true);
}

// The spawning times: invincibility after a spawn, and the delays before and after it per side.
void AdvancedTab::CreateRightColumn()
{
    wxPanel* column = AddPageColumn(this, PageFlags::NextColumn(this));

    wxSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::Spawning);
    m_invincibility = AddFieldRow(group, grid, Setting(AdvancedId::Invincibility));

    grid = CreateFieldGrid(column);
    group = AddGroup(column, grid, StringId::PreSpawnDelayTime);
    m_spawnPreDelayAxis = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPreDelayAxis));
    m_spawnPreDelayAllies = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPreDelayAllies));
    m_spawnPreDelayNonSky = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPreDelayNonSky));

    grid = CreateFieldGrid(column);
    group = AddGroup(column, grid, StringId::PostSpawnDelayTime);
    m_spawnPostDelayAxis = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPostDelayAxis));
    m_spawnPostDelayAllies = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPostDelayAllies));
    m_spawnPostDelayNonSky = AddFieldRow(group, grid, Setting(AdvancedId::SpawnPostDelayNonSky));
}

void AdvancedTab::SetDefaults()
{
    SetPageDefaults(this, kSettings);
    // Without the PunkBuster program the box is cleared and disabled; once disabled it stays
    // disabled, even if the program appears later.
    if (!IsPunkBusterInstalled(m_serverFolder))
    {
        m_punkBuster->SetValue(false);
        m_punkBuster->Disable();
    }
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
