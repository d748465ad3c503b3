// Creation of the four settings pages and the entry of their controls into the key table.

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/pages/misc_tab.h"

#include <wx/notebook.h>

namespace
{
// Enters the controls of a page's table that carry a setting under their keys.
void RegisterSettings(SettingsSection& section, wxWindow* page, const PageSettings& settings)
{
    for (const PageSetting& setting : settings)
    {
        if (setting.m_key)
            section.Register(setting.m_key, page->FindWindow(setting.m_id));
    }
}
} // namespace

void HangarFrame::CreateBasicTab()
{
    m_basicTab = new BasicTab(m_notebook);
    m_notebook->AddPage(m_basicTab, LoadResString(StringId::BasicPage), true, -1);
    RegisterSettings(m_section, m_basicTab, BasicTab::Settings());
}

void HangarFrame::CreateAdvancedTab()
{
    m_advancedTab = new AdvancedTab(m_notebook, m_startDir);
    m_notebook->AddPage(m_advancedTab, LoadResString(StringId::AdvancedPage), false, -1);
    RegisterSettings(m_section, m_advancedTab, AdvancedTab::Settings());
}

void HangarFrame::CreateMiscTab()
{
    m_miscTab = new MiscTab(m_notebook);
    m_notebook->AddPage(m_miscTab, LoadResString(StringId::MiscellaneousPage), false, -1);
    RegisterSettings(m_section, m_miscTab, MiscTab::Settings());
}

void HangarFrame::CreateMapRotationTab()
{
    m_mapRotationTab = new MapRotationTab(m_notebook);
    m_notebook->AddPage(m_mapRotationTab, LoadResString(StringId::MapRotationPage), false, -1);
    RegisterSettings(m_section, m_mapRotationTab, MapRotationTab::Settings());
}

// Entries written on every save and never read back.
void HangarFrame::AddFixedEntries()
{
    m_fixedEntries.emplace_back("MaxPlayersCap", wxString::Format("%d", 12));
}
