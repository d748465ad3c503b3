#include "hangar/pages/misc_tab.h"

#include "hangar/hangar_frame.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/window_ids.h"
#include "resources/string_table.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
constexpr std::size_t kRemotePasswordLength = 64;
constexpr std::size_t kAdditionalOptionsLength = 256;

// The page's controls, in the order SetDefaults puts them back (the order of their window ids,
// the alphabetical order of their keys).
const PageSettings kSettings = {
    TextSetting("AdditionalOptions", MiscId::AdditionalOptions, StringId::AdditionalOptions, "",
                kAdditionalOptionsLength),
    CheckBoxSetting("DebugOutput", MiscId::DebugOutput, StringId::DebugOutput, false),
    TextSetting("RemotePassword", MiscId::RemotePassword, StringId::Password, "vesta",
                kRemotePasswordLength),
    NumberSetting("RemotePort", MiscId::RemotePort, StringId::Port, "13500", 1024, 65530),
    CheckBoxSetting("ShowCompass", MiscId::ShowCompass, StringId::ShowCompass, true),
    CheckBoxSetting("ShowCrosshairs", MiscId::ShowCrosshairs, StringId::ShowCrosshairs, true),
    CheckBoxSetting("ShowEnemyCompassDots", MiscId::ShowEnemyCompassDots,
                    StringId::ShowEnemyCompassDots, true),
    CheckBoxSetting("ShowEnemyNames", MiscId::ShowEnemyNames, StringId::ShowEnemyNames, true),
    CheckBoxSetting("ShowFriendlyCompassDots", MiscId::ShowFriendlyCompassDots,
                    StringId::ShowFriendlyCompassDots, true),
    CheckBoxSetting("ShowFriendlyNames", MiscId::ShowFriendlyNames, StringId::ShowFriendlyNames,
                    true),
    CheckBoxSetting("ShowGrenadeIndicators", MiscId::ShowGrenadeIndicators,
                    StringId::ShowGrenadeIndicators, true),
    CheckBoxSetting("ShowHealthBar", MiscId::ShowHealthBar, StringId::ShowHealthBar, true),
    CheckBoxSetting("ShowHitIndicators", MiscId::ShowHitIndicators, StringId::ShowHitIndicators,
                    true),
    CheckBoxSetting("ShowHUD", MiscId::ShowHUD, StringId::ShowHUD, true),
    CheckBoxSetting("ShowScoreAndTime", MiscId::ShowScoreAndTime, StringId::ShowScoreAndTime, true),
    CheckBoxSetting("ShowStanceIndicator", MiscId::ShowStanceIndicator,
                    StringId::ShowStanceIndicator, true),
    CheckBoxSetting("ShowText", MiscId::ShowText, StringId::ShowMessageWindow, true),
    CheckBoxSetting("ShowWhoKilledMe", MiscId::ShowWhoKilledMe, StringId::ShowWhoKilledMe, true),
    NumberSetting("ShowWhoKilledMeTime", MiscId::ShowWhoKilledMeTime, StringId::ShowKillerTime, "2",
                  1, 30),
    NumberSetting("TimeBetweenMatches", MiscId::TimeBetweenMatches, StringId::BetweenMatches, "30",
                  1, 600),
    NumberSetting("TimeBetweenRounds", MiscId::TimeBetweenRounds, StringId::BetweenRounds, "15", 1,
                  600),
};

const PageSetting& Setting(int id)
{
    return SettingFor(kSettings, id);
}
} // namespace

const PageSettings& MiscTab::Settings()
{
    return kSettings;
}

MiscTab::MiscTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    SetSizer(new wxBoxSizer(wxHORIZONTAL));
    CreateLeftColumn();
    CreateRightColumn();
    FitPageColumns(this);
    SetDefaults();
}

// The display switches, with the Show Killer Time field under "Show Who Killed Me".
void MiscTab::CreateLeftColumn()
{
    wxPanel* column = AddPageColumn(this, PageFlags::Column(this));

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxWindow* group = AddGroup(column, sizer, StringId::ShowFlags);
    m_debugOutput = AddLabelledCheckBox(group, sizer, Setting(MiscId::DebugOutput));
    m_showCompass = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowCompass), true);
    m_showCrosshairs = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowCrosshairs));
    m_showEnemyCompassDots =
        AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowEnemyCompassDots));
    m_showEnemyNames = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowEnemyNames));
    m_showFriendlyCompassDots =
        AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowFriendlyCompassDots));
    m_showFriendlyNames = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowFriendlyNames));
    m_showGrenadeIndicators =
        AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowGrenadeIndicators));
    m_showHealthBar = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowHealthBar));
    m_showHitIndicators = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowHitIndicators));
    m_showHUD = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowHUD));
    m_showText = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowText));
    m_showScoreAndTime = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowScoreAndTime));
    m_showStanceIndicator = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowStanceIndicator));
    m_showWhoKilledMe = AddLabelledCheckBox(group, sizer, Setting(MiscId::ShowWhoKilledMe), true);

    wxFlexGridSizer* grid = CreateFieldGrid(column);
    sizer->Add(grid, PageFlags::Inset(group));
    // The caption stands indented under the box above it.
    const PageSetting& killerTime = Setting(MiscId::ShowWhoKilledMeTime);
    grid->Add(CreateFieldCaption(group, killerTime.m_stringId),
              PageFlags::Caption(group).Border(wxLEFT, group->FromDIP(24)));
    m_showWhoKilledMeTime = CreateSettingField(group, killerTime);
    grid->Add(m_showWhoKilledMeTime, PageFlags::Field(group));
}

// Remote administration, the wait times and the additional options.
void MiscTab::CreateRightColumn()
{
    wxPanel* column = AddPageColumn(this, PageFlags::NextColumn(this));

    wxFlexGridSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::RemoteAdministration);
    m_remotePort = AddFieldRow(group, grid, Setting(MiscId::RemotePort));
    m_remotePassword =
        AddFieldRow(group, grid, Setting(MiscId::RemotePassword), true, wxTE_PASSWORD);

    grid = CreateFieldGrid(column);
    group = AddGroup(column, grid, StringId::WaitTime);
    m_timeBetweenRounds = AddFieldRow(group, grid, Setting(MiscId::TimeBetweenRounds));
    m_timeBetweenMatches = AddFieldRow(group, grid, Setting(MiscId::TimeBetweenMatches), true);

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    group = AddGroup(column, sizer);
    const PageSetting& additionalOptions = Setting(MiscId::AdditionalOptions);
    AddCaptionAbove(group, sizer, additionalOptions);
    m_additionalOptions = CreateSettingField(group, additionalOptions, wxTE_MULTILINE);
    sizer->Add(m_additionalOptions, PageFlags::Inset(group));
}

void MiscTab::SetDefaults()
{
    SetPageDefaults(this, kSettings);
    SyncKillerTimeField();
}

void MiscTab::SyncKillerTimeField()
{
    m_showWhoKilledMeTime->Enable(m_showWhoKilledMe->GetValue());
}

void MiscTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}

void MiscTab::OnShowWhoKilledMe(wxCommandEvent& /*event*/)
{
    if (m_showWhoKilledMe->GetValue())
    {
        m_showWhoKilledMeTime->Enable();
    }
    else
    {
        m_showWhoKilledMeTime->Disable();
        m_showWhoKilledMeTime->SetValue(wxEmptyString);
    }
    MarkModified(); // the box is a setting of its own
}

wxBEGIN_EVENT_TABLE(MiscTab, wxPanel)
    EVT_TEXT(MiscId::AdditionalOptions, MiscTab::OnSettingChanged)
    EVT_TEXT(MiscId::RemotePassword, MiscTab::OnSettingChanged)
    EVT_TEXT(MiscId::RemotePort, MiscTab::OnSettingChanged)
    EVT_TEXT(MiscId::ShowWhoKilledMeTime, MiscTab::OnSettingChanged)
    EVT_TEXT(MiscId::TimeBetweenMatches, MiscTab::OnSettingChanged)
    EVT_TEXT(MiscId::TimeBetweenRounds, MiscTab::OnSettingChanged)
    EVT_CHECKBOX(MiscId::DebugOutput, MiscTab::OnSettingChanged)
    EVT_COMMAND_RANGE(MiscId::ShowCompass, MiscId::ShowText, wxEVT_CHECKBOX,
                      MiscTab::OnSettingChanged)
    EVT_CHECKBOX(MiscId::ShowWhoKilledMe, MiscTab::OnShowWhoKilledMe)
wxEND_EVENT_TABLE()
