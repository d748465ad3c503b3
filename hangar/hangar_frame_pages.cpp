// Creation of the four settings pages and the entry of their controls into the key table.

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/pages/misc_tab.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

void HangarFrame::CreateBasicTab()
{
    m_basicTab = new BasicTab(m_notebook);
    m_notebook->AddPage(m_basicTab, LoadResString(StringId::BasicPage), true, -1);

    m_section.Register("GameName", m_basicTab->m_gameName);
    m_section.Register("GameType", m_basicTab->m_gameType);
    m_section.Register("WelcomeMessage", m_basicTab->m_welcomeMessage);
    m_section.Register("PrivatePassword", m_basicTab->m_privatePassword);
    m_section.Register("Username", m_basicTab->m_username);
    m_section.Register("Password", m_basicTab->m_password);
    m_section.Register("EncryptedLogin", m_basicTab->m_encryptedLogin);
    m_section.Register("Rounds", m_basicTab->m_rounds);
    m_section.Register("TimeLimit", m_basicTab->m_timeLimit);
    m_section.Register("MaxPlayers", m_basicTab->m_maxPlayers);
}

void HangarFrame::CreateAdvancedTab()
{
    m_advancedTab = new AdvancedTab(m_notebook, m_startDir);
    m_notebook->AddPage(m_advancedTab, LoadResString(StringId::AdvancedPage), false, -1);

    AdvancedTab* page = m_advancedTab;
    m_section.Register("AmmoDrop", page->m_ammoDrop);
    m_section.Register("DisableRifleClass", page->m_disableRifleClass);
    m_section.Register("DisableSMGClass", page->m_disableSMGClass);
    m_section.Register("DisableAutoRifleClass", page->m_disableAutoRifleClass);
    m_section.Register("DisableSniperClass", page->m_disableSniperClass);
    m_section.Register("DisableRocketClass", page->m_disableRocketClass);
    m_section.Register("FriendlyFire", page->m_friendlyFire);
    m_section.Register("HealthDrop", page->m_healthDrop);
    m_section.Register("Invincibility", page->m_invincibility);
    m_section.Register("PunkBuster", page->m_punkBuster);
    m_section.Register("SpawnPostDelayAxis", page->m_spawnPostDelayAxis);
    m_section.Register("SpawnPostDelayAllies", page->m_spawnPostDelayAllies);
    m_section.Register("SpawnPostDelayNonSky", page->m_spawnPostDelayNonSky);
    m_section.Register("SpawnPreDelayAxis", page->m_spawnPreDelayAxis);
    m_section.Register("SpawnPreDelayAllies", page->m_spawnPreDelayAllies);
    m_section.Register("SpawnPreDelayNonSky", page->m_spawnPreDelayNonSky);
    m_section.Register("VoiceCommands", page->m_voiceCommands);
    m_section.Register("WeaponDrop", page->m_weaponDrop);
    m_section.Register("WeaponTracers", page->m_weaponTracers);
    m_section.Register("Upgrades", page->m_upgrades);
}

void HangarFrame::CreateMiscTab()
{
    m_miscTab = new MiscTab(m_notebook);
    m_notebook->AddPage(m_miscTab, LoadResString(StringId::MiscellaneousPage), false, -1);

    MiscTab* page = m_miscTab;
    m_section.Register("AdditionalOptions", page->m_additionalOptions);
    m_section.Register("DebugOutput", page->m_debugOutput);
    m_section.Register("RemotePassword", page->m_remotePassword);
    m_section.Register("RemotePort", page->m_remotePort);
    m_section.Register("ShowCompass", page->m_showCompass);
    m_section.Register("ShowCrosshairs", page->m_showCrosshairs);
    m_section.Register("ShowEnemyCompassDots", page->m_showEnemyCompassDots);
    m_section.Register("ShowEnemyNames", page->m_showEnemyNames);
    m_section.Register("ShowFriendlyCompassDots", page->m_showFriendlyCompassDots);
    m_section.Register("ShowFriendlyNames", page->m_showFriendlyNames);
    m_section.Register("ShowGrenadeIndicators", page->m_showGrenadeIndicators);
    m_section.Register("ShowHealthBar", page->m_showHealthBar);
    m_section.Register("ShowHitIndicators", page->m_showHitIndicators);
    m_section.Register("ShowHUD", page->m_showHUD);
    m_section.Register("ShowScoreAndTime", page->m_showScoreAndTime);
    m_section.Register("ShowStanceIndicator", page->m_showStanceIndicator);
    m_section.Register("ShowText", page->m_showText);
    m_section.Register("ShowWhoKilledMe", page->m_showWhoKilledMe);
    m_section.Register("ShowWhoKilledMeTime", page->m_showWhoKilledMeTime);
    m_section.Register("TimeBetweenMatches", page->m_timeBetweenMatches);
    m_section.Register("TimeBetweenRounds", page->m_timeBetweenRounds);
}

void HangarFrame::CreateMapRotationTab()
{
    m_mapRotationTab = new MapRotationTab(m_notebook);
    m_notebook->AddPage(m_mapRotationTab, LoadResString(StringId::MapRotationPage), false, -1);

    m_section.Register("RotationList", m_mapRotationTab->m_rotationList);
}

// Entries written on every save and never read back.
void HangarFrame::AddFixedEntries()
{
    m_fixedEntries.emplace_back("MaxPlayersCap", wxString::Format("%d", 12));
}
