#include "hangar/pages/basic_tab.h"

#include "hangar/core/res_string.h"
#include "hangar/core/server_lists.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/group_box.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/range_validator.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/pages/text_limit.h"
#include "hangar/window_ids.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
constexpr long kPanelStyle = wxTAB_TRAVERSAL | wxNO_BORDER;

// The most characters the user can put into each text field.
constexpr std::size_t kGameNameLength = 25;
constexpr std::size_t kWelcomeMessageLength = 512;
constexpr std::size_t kPrivatePasswordLength = 64;
constexpr std::size_t kUsernameLength = 64;
constexpr std::size_t kPasswordLength = 64;
} // namespace

BasicTab::BasicTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kPanelStyle),
      m_gameTypes(OpenGameTypeListFile())
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(pageSizer);

    wxPanel* left = CreatePageColumn(this);
    pageSizer->Add(left, 1, wxEXPAND | wxALL, 10);
    wxSizer* leftSizer = left->GetSizer();
    CreateGeneralGroup(left, leftSizer);
    CreatePrivateGroup(left, leftSizer);

    wxPanel* right = CreatePageColumn(this);
    pageSizer->Add(right, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 10);
    wxSizer* rightSizer = right->GetSizer();
    CreateLoginGroup(right, rightSizer);
    CreateRoundsGroup(right, rightSizer);
    CreateMaxPlayersGroup(right, rightSizer);

    SetDefaults();
}

void BasicTab::CreateGeneralGroup(wxWindow* column, wxSizer* columnSizer)
{
    wxBoxSizer* content = new wxBoxSizer(wxVERTICAL);
    wxWindow* group = CreateGroupBox(column, columnSizer, content, wxEmptyString);

    content->Add(CreateFieldCaption(group, StringId::GameName), 0, wxEXPAND | wxLEFT, 8);
    content->AddSpacer(3);
    m_gameName = CreateTextField(group, BasicId::GameName);
    content->Add(m_gameName, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    LimitTextLength(m_gameName, kGameNameLength);

    content->Add(CreateFieldCaption(group, StringId::GameType), 0, wxEXPAND | wxLEFT, 8);
    content->AddSpacer(3);
    m_gameType = new wxChoice(group, BasicId::GameType, wxDefaultPosition, wxDefaultSize,
                              m_gameTypes.m_names, 0);
    content->Add(m_gameType, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    content->Add(CreateFieldCaption(group, StringId::WelcomeMessage), 0, wxEXPAND | wxLEFT, 8);
    content->AddSpacer(3);
    m_welcomeMessage = CreateTextField(group, BasicId::WelcomeMessage, wxTE_MULTILINE);
    content->Add(m_welcomeMessage, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    LimitTextLength(m_welcomeMessage, kWelcomeMessageLength);
}

void BasicTab::CreatePrivateGroup(wxWindow* column, wxSizer* columnSizer)
{
    wxFlexGridSizer* grid = CreateFieldGrid();
    wxWindow* group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::Private));

    grid->Add(CreateFieldCaption(group, StringId::Enabled), 0, wxEXPAND | wxLEFT, 8);
    m_privateEnabled = new wxCheckBox(group, BasicId::PrivateEnabled, wxEmptyString);
    grid->Add(m_privateEnabled, 0, wxEXPAND | wxRIGHT, 8);
    grid->AddSpacer(2);
    grid->AddSpacer(2);
    grid->Add(CreateFieldCaption(group, StringId::Password), 0, wxEXPAND | wxTOP | wxLEFT, 8);
    m_privatePassword = CreateTextField(group, BasicId::PrivatePassword, wxTE_PASSWORD);
    grid->Add(m_privatePassword, 0, wxEXPAND | wxTOP | wxRIGHT, 5);
    LimitTextLength(m_privatePassword, kPrivatePasswordLength);
}

void BasicTab::CreateLoginGroup(wxWindow* column, wxSizer* columnSizer)
{
    wxFlexGridSizer* grid = CreateFieldGrid();
    wxWindow* group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::Login));

    grid->Add(CreateFieldCaption(group, StringId::UseCached), 0, wxEXPAND | wxLEFT, 8);
    m_useCached = new wxCheckBox(group, BasicId::UseCached, wxEmptyString);
    grid->Add(m_useCached, 0, wxEXPAND | wxRIGHT, 8);
    grid->AddSpacer(2);
    grid->AddSpacer(2);
    grid->Add(CreateFieldCaption(group, StringId::Username), 0, wxEXPAND | wxTOP | wxLEFT, 8);
    m_username = CreateTextField(group, BasicId::Username);
    grid->Add(m_username, 0, wxEXPAND | wxTOP | wxRIGHT, 8);
    LimitTextLength(m_username, kUsernameLength);
    grid->Add(CreateFieldCaption(group, StringId::Password), 0, wxEXPAND | wxTOP | wxLEFT, 8);
    m_password = CreateTextField(group, BasicId::Password, wxTE_PASSWORD);
    grid->Add(m_password, 0, wxEXPAND | wxTOP | wxRIGHT, 8);
    LimitTextLength(m_password, kPasswordLength);

    // The launcher never shows or edits the cached login; it only carries it through.
    m_encryptedLogin = CreateTextField(group, BasicId::EncryptedLogin);
    m_encryptedLogin->Hide();
}

void BasicTab::CreateRoundsGroup(wxWindow* column, wxSizer* columnSizer)
{
    wxFlexGridSizer* grid = CreateFieldGrid();
    wxWindow* group = CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::Rounds));

    grid->Add(CreateFieldCaption(group, StringId::NumRounds), 0, wxEXPAND | wxLEFT, 8);
    m_rounds = CreateTextField(group, BasicId::Rounds);
    grid->Add(m_rounds, 0, wxEXPAND | wxRIGHT, 8);
    m_rounds->SetValidator(RangeValidator(1, 99, g_validatorText));
    grid->Add(CreateFieldCaption(group, StringId::TimeLimit), 0, wxEXPAND | wxTOP | wxLEFT, 8);
    m_timeLimit = CreateTextField(group, BasicId::TimeLimit);
    grid->Add(m_timeLimit, 0, wxEXPAND | wxTOP | wxRIGHT, 8);
    m_timeLimit->SetValidator(RangeValidator(1, 60, g_validatorText));
}

void BasicTab::CreateMaxPlayersGroup(wxWindow* column, wxSizer* columnSizer)
{
    wxFlexGridSizer* grid = CreateFieldGrid();
    wxWindow* group =
        CreateGroupBox(column, columnSizer, grid, LoadResString(StringId::MaxPlayers));

    grid->Add(CreateFieldCaption(group, StringId::MaxPlayers), 0, wxEXPAND | wxLEFT, 8);
    m_maxPlayers = CreateTextField(group, BasicId::MaxPlayers);
    grid->Add(m_maxPlayers, 0, wxEXPAND | wxRIGHT, 8);
    m_maxPlayers->SetValidator(RangeValidator(1, 12, g_validatorText));
}

void BasicTab::SetDefaults()
{
    m_gameName->SetValue("Nameless Battle");
    if (!m_gameType->IsEmpty())
        m_gameType->SetSelection(0);
    m_maxPlayers->SetValue("8");
    m_rounds->SetValue("1");
    m_password->SetValue(wxEmptyString);
    m_privateEnabled->SetValue(false);
    m_useCached->SetValue(false);
    m_username->Enable();
    m_password->Enable();
    m_privatePassword->SetValue(wxEmptyString);
    m_privatePassword->Disable();
    m_timeLimit->SetValue("10");
    m_username->SetValue(wxEmptyString);
    m_welcomeMessage->SetValue(wxEmptyString);
}

void BasicTab::ApplyLoadRules()
{
    const bool cached = !m_encryptedLogin->GetValue().empty();
    m_useCached->SetValue(cached);
    m_password->Enable(!cached);
    m_username->Enable(!cached);
    m_useCached->Enable(cached);

    const bool isPrivate = !m_privatePassword->GetValue().empty();
    m_privateEnabled->SetValue(isPrivate);
    m_privatePassword->Enable(isPrivate);
}

void BasicTab::OnPrivateEnabled(wxCommandEvent& /*event*/)
{
    if (m_privateEnabled->GetValue())
    {
        m_privatePassword->Enable();
    }
    else
    {
        m_privatePassword->Disable();
        m_privatePassword->SetValue(wxEmptyString); // marks the document through its own event
    }
}

void BasicTab::OnUseCached(wxCommandEvent& /*event*/)
{
    const bool cached = m_useCached->GetValue();
    m_username->Enable(!cached);
    m_password->Enable(!cached);
    MarkModified(); // the next save writes the login fields, or leaves them empty
}

void BasicTab::OnSettingChanged(wxCommandEvent& event)
{
    ::OnSettingChanged(event);
}

wxBEGIN_EVENT_TABLE(BasicTab, wxPanel)
    EVT_CHECKBOX(BasicId::PrivateEnabled, BasicTab::OnPrivateEnabled)
    EVT_CHECKBOX(BasicId::UseCached, BasicTab::OnUseCached)
    EVT_TEXT(BasicId::GameName, BasicTab::OnSettingChanged)
    EVT_CHOICE(BasicId::GameType, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::MaxPlayers, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::Password, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::PrivatePassword, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::Rounds, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::TimeLimit, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::Username, BasicTab::OnSettingChanged)
    EVT_TEXT(BasicId::WelcomeMessage, BasicTab::OnSettingChanged)
wxEND_EVENT_TABLE()
