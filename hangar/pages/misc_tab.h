#pragma once

#include "hangar/pages/defaultable.h"
#include "hangar/pages/page_settings.h"

#include <wx/panel.h>

class wxCheckBox;
class wxTextCtrl;

// The heads-up display switches, debug output, remote administration, the wait times and the
// additional options of the server. The main window registers the controls of Settings() under
// their setting keys; each is also a public member named after its key (m_showText is ShowText).
class MiscTab : public wxPanel, public Defaultable
{
public:
    explicit MiscTab(wxWindow* parent);

    // The page's controls with their setting keys, window ids, labels, limits and defaults.
    static const PageSettings& Settings();

    // Puts every control back to its default, then brings the Show Killer Time field in line
    // with its box.
    void SetDefaults() override;

    // Enables the Show Killer Time field exactly while "Show Who Killed Me" is checked; run after
    // SetDefaults and after a load, so the field never contradicts the box.
    void SyncKillerTimeField();

    // In the alphabetical order of the setting keys.
    wxTextCtrl* m_additionalOptions = nullptr;
    wxCheckBox* m_debugOutput = nullptr;
    wxTextCtrl* m_remotePassword = nullptr;
    wxTextCtrl* m_remotePort = nullptr;
    wxCheckBox* m_showCompass = nullptr;
    wxCheckBox* m_showCrosshairs = nullptr;
    wxCheckBox* m_showEnemyCompassDots = nullptr;
    wxCheckBox* m_showEnemyNames = nullptr;
    wxCheckBox* m_showFriendlyCompassDots = nullptr;
    wxCheckBox* m_showFriendlyNames = nullptr;
    wxCheckBox* m_showGrenadeIndicators = nullptr;
    wxCheckBox* m_showHealthBar = nullptr;
    wxCheckBox* m_showHitIndicators = nullptr;
    wxCheckBox* m_showHUD = nullptr;
    wxCheckBox* m_showScoreAndTime = nullptr;
    wxCheckBox* m_showStanceIndicator = nullptr;
    wxCheckBox* m_showText = nullptr;
    wxCheckBox* m_showWhoKilledMe = nullptr;
    wxTextCtrl* m_showWhoKilledMeTime = nullptr;
    wxTextCtrl* m_timeBetweenMatches = nullptr;
    wxTextCtrl* m_timeBetweenRounds = nullptr;

private:
    void CreateLeftColumn();
    void CreateRightColumn();

    void OnSettingChanged(wxCommandEvent& event);
    // Unchecking empties and disables the Show Killer Time field, checking enables it; either
    // marks the document modified.
    void OnShowWhoKilledMe(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
