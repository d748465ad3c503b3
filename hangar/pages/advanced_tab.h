#pragma once

#include "hangar/pages/defaultable.h"
#include "hangar/pages/page_settings.h"

#include <wx/panel.h>

class wxCheckBox;
class wxTextCtrl;

// The gameplay rules of the server: PunkBuster, weapons, drops, voice commands, spawning times.
// The main window registers the controls of Settings() under their setting keys; each is also a
// public member named after its key (m_weaponTracers is WeaponTracers).
class AdvancedTab : public wxPanel, public Defaultable
{
public:
    // serverFolder: where PunkBuster is looked for (IsPunkBusterInstalled, hangar/core).
    AdvancedTab(wxWindow* parent, const wxString& serverFolder);

    // The page's controls with their setting keys, window ids, labels, ranges and defaults.
    static const PageSettings& Settings();

    // Puts every control back to its default. Without the PunkBuster program the PunkBuster box
    // is cleared and disabled, and nothing enables it again.
    void SetDefaults() override;

    // Check boxes.
    wxCheckBox* m_punkBuster = nullptr;
    wxCheckBox* m_friendlyFire = nullptr;
    wxCheckBox* m_weaponTracers = nullptr;
    wxCheckBox* m_upgrades = nullptr;
    wxCheckBox* m_disableAutoRifleClass = nullptr;
    wxCheckBox* m_disableRifleClass = nullptr;
    wxCheckBox* m_disableSMGClass = nullptr;
    wxCheckBox* m_disableSniperClass = nullptr;
    wxCheckBox* m_disableRocketClass = nullptr;
    wxCheckBox* m_ammoDrop = nullptr;
    wxCheckBox* m_healthDrop = nullptr;
    wxCheckBox* m_weaponDrop = nullptr;
    wxCheckBox* m_voiceCommands = nullptr;

    // Numeric fields (seconds).
    wxTextCtrl* m_invincibility = nullptr;
    wxTextCtrl* m_spawnPreDelayAxis = nullptr;
    wxTextCtrl* m_spawnPreDelayAllies = nullptr;
    wxTextCtrl* m_spawnPreDelayNonSky = nullptr;
    wxTextCtrl* m_spawnPostDelayAxis = nullptr;
    wxTextCtrl* m_spawnPostDelayAllies = nullptr;
    wxTextCtrl* m_spawnPostDelayNonSky = nullptr;

private:
    void CreateLeftColumn();
    void CreateRightColumn();

    void OnSettingChanged(wxCommandEvent& event);

    wxString m_serverFolder;

    wxDECLARE_EVENT_TABLE();
};
