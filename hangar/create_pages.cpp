// Creation of the four settings pages and the entry of their controls into the key table.

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/pages/misc_tab.h"

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

void HangarFrame::CreateBasicTab()
{
    m_basicTab = new BasicTab(m_notebook);
    m_notebook->AddPage(m_basicTab, LoadResString(10), true, -1);

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
    m_advancedTab = new AdvancedTab(m_notebook);
    m_notebook->AddPage(m_advancedTab, LoadResString(11), false, -1);
}

void HangarFrame::CreateMiscTab()
{
    m_miscTab = new MiscTab(m_notebook);
    m_notebook->AddPage(m_miscTab, LoadResString(12), false, -1);
}

void HangarFrame::CreateMapRotationTab()
{
    m_mapRotationTab = new MapRotationTab(m_notebook);
    m_notebook->AddPage(m_mapRotationTab, LoadResString(13), false, -1);

    m_section.Register("RotationList", m_mapRotationTab->m_rotationList);
}

// Entries written on every save and never read back.
void HangarFrame::AddFixedEntries()
{
    m_fixedEntries.emplace_back("MaxPlayersCap", wxString::Format("%d", 12));
}
