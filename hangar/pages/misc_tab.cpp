#include "hangar/pages/misc_tab.h"

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/group_box.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/range_validator.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/pages/text_limit.h"
#include "hangar/window_ids.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
constexpr std::size_t kRemotePasswordLength = 64;
constexpr std::size_t kAdditionalOptionsLength = 256;

} // namespace

MiscTab::MiscTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(pageSizer);
    CreateLeftColumn(pageSizer);
    CreateRightColumn(pageSizer);
    SetDefaults();
}

// The display switches, with the Show Killer Time field under "Show Who Killed Me".
void MiscTab::CreateLeftColumn(wxSizer* pageSizer)
{
    wxPanel* column = CreatePageColumn(this);
    pageSizer->Add(column, 1, wxEXPAND | wxALL, 10);

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxWindow* group =
        CreateGroupBox(column, column->GetSizer(), sizer, LoadResString(StringId::ShowFlags));
    m_debugOutput = AddLabelledCheckBox(group, sizer, MiscId::DebugOutput, StringId::DebugOutput);
    m_showCompass =
        AddLabelledCheckBox(group, sizer, MiscId::ShowCompass, StringId::ShowCompass, true);
    m_showCrosshairs =
        AddLabelledCheckBox(group, sizer, MiscId::ShowCrosshairs, StringId::ShowCrosshairs);
    m_showEnemyCompassDots = AddLabelledCheckBox(group, sizer, MiscId::ShowEnemyCompassDots,
                                                 StringId::ShowEnemyCompassDots);
    m_showEnemyNames =
        AddLabelledCheckBox(group, sizer, MiscId::ShowEnemyNames, StringId::ShowEnemyNames);
    m_showFriendlyCompassDots = AddLabelledCheckBox(group, sizer, MiscId::ShowFriendlyCompassDots,
                                                    StringId::ShowFriendlyCompassDots);
    m_showFriendlyNames =
        AddLabelledCheckBox(group, sizer, MiscId::ShowFriendlyNames, StringId::ShowFriendlyNames);
    m_showGrenadeIndicators = AddLabelledCheckBox(group, sizer, MiscId::ShowGrenadeIndicators,
                                                  StringId::ShowGrenadeIndicators);
    m_showHealthBar =
        AddLabelledCheckBox(group, sizer, MiscId::ShowHealthBar, StringId::ShowHealthBar);
    m_showHitIndicators =
        AddLabelledCheckBox(group, sizer, MiscId::ShowHitIndicators, StringId::ShowHitIndicators);
    m_showHUD = AddLabelledCheckBox(group, sizer, MiscId::ShowHUD, StringId::ShowHUD);
    m_showText = AddLabelledCheckBox(group, sizer, MiscId::ShowText, StringId::ShowMessageWindow);
    m_showScoreAndTime =
        AddLabelledCheckBox(group, sizer, MiscId::ShowScoreAndTime, StringId::ShowScoreAndTime);
    m_showStanceIndicator = AddLabelledCheckBox(group, sizer, MiscId::ShowStanceIndicator,
                                                StringId::ShowStanceIndicator);
    m_showWhoKilledMe =
        AddLabelledCheckBox(group, sizer, MiscId::ShowWhoKilledMe, StringId::ShowWhoKilledMe, true);

    wxFlexGridSizer* grid = new wxFlexGridSizer(2, 2, 0, 10);
    grid->AddGrowableCol(1);
    sizer->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    grid->Add(CreateFieldCaption(group, StringId::ShowKillerTime), 0, wxEXPAND | wxLEFT, 24);
    m_showWhoKilledMeTime = CreateTextField(group, MiscId::ShowWhoKilledMeTime);
    grid->Add(m_showWhoKilledMeTime, 1, wxEXPAND | wxRIGHT, 8);
    m_showWhoKilledMeTime->SetValidator(RangeValidator(1, 30, g_validatorText));
}

// Remote administration, the wait times and the additional options.
void MiscTab::CreateRightColumn(wxSizer* pageSizer)
{
    wxPanel* column = CreatePageColumn(this);
    pageSizer->Add(column, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 10);
    wxSizer* columnSizer = column->GetSizer();

    wxFlexGridSizer* grid = new wxFlexGridSizer(2, 2, 0, 10);
    grid->AddGrowableCol(1);
    wxWindow* group =
        CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::RemoteAdministration));
    grid->Add(CreateFieldCaption(group, StringId::Port), 1, wxEXPAND | wxLEFT, 8);
    m_remotePort = CreateTextField(group, MiscId::RemotePort);
    grid->Add(m_remotePort, 1, wxEXPAND | wxRIGHT, 8);
    m_remotePort->SetValidator(RangeValidator(1024, 65530, g_validatorText));
    grid->Add(CreateFieldCaption(group, StringId::Password), 0, wxEXPAND | wxLEFT | wxTOP, 8);
    m_remotePassword = CreateTextField(group, MiscId::RemotePassword, wxTE_PASSWORD);
    grid->Add(m_remotePassword, 1, wxEXPAND | wxRIGHT | wxTOP, 8);
    LimitTextLength(m_remotePassword, kRemotePasswordLength);

    grid = new wxFlexGridSizer(2, 2, 0, 10);
    grid->AddGrowableCol(1);
    group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::WaitTime));
    grid->Add(CreateFieldCaption(group, StringId::BetweenRounds), 1, wxEXPAND | wxLEFT, 8);
    m_timeBetweenRounds = CreateTextField(group, MiscId::TimeBetweenRounds);
    grid->Add(m_timeBetweenRounds, 1, wxEXPAND | wxRIGHT, 8);
    m_timeBetweenRounds->SetValidator(RangeValidator(1, 600, g_validatorText));
    grid->Add(CreateFieldCaption(group, StringId::BetweenMatches), 0, wxEXPAND | wxLEFT | wxTOP, 8);
    m_timeBetweenMatches = CreateTextField(group, MiscId::TimeBetweenMatches);
    grid->Add(m_timeBetweenMatches, 1, wxEXPAND | wxRIGHT | wxTOP, 8);
    m_timeBetweenMatches->SetValidator(RangeValidator(1, 600, g_validatorText));

    wxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    group = CreateGroupBox(column, columnSizer, sizer, wxEmptyString);
    sizer->Add(CreateFieldCaption(group, StringId::AdditionalOptions), 0, wxEXPAND | wxLEFT, 8);
    sizer->AddSpacer(3);
    m_additionalOptions = CreateTextField(group, MiscId::AdditionalOptions, wxTE_MULTILINE);
    sizer->Add(m_additionalOptions, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    LimitTextLength(m_additionalOptions, kAdditionalOptionsLength);
}

void MiscTab::SetDefaults()
{
    m_additionalOptions->SetValue(wxEmptyString);
    m_debugOutput->SetValue(false);
    m_remotePassword->SetValue("vesta");
    m_remotePort->SetValue("13500");
    m_showCompass->SetValue(true);
    m_showCrosshairs->SetValue(true);
    m_showEnemyCompassDots->SetValue(true);
    m_showEnemyNames->SetValue(true);
    m_showFriendlyCompassDots->SetValue(true);
    m_showFriendlyNames->SetValue(true);
    m_showGrenadeIndicators->SetValue(true);
    m_showHealthBar->SetValue(true);
    m_showHitIndicators->SetValue(true);
    m_showHUD->SetValue(true);
    m_showScoreAndTime->SetValue(true);
    m_showStanceIndicator->SetValue(true);
    m_showText->SetValue(true);
    m_showWhoKilledMe->SetValue(true);
    m_showWhoKilledMeTime->SetValue("2");
    m_timeBetweenMatches->SetValue("30");
    m_timeBetweenRounds->SetValue("15");
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
