#include "hangar/pages/basic_tab.h"

#include "hangar/core/server_lists.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/page_layout.h"
#include "hangar/pages/setting_changed.h"
#include "hangar/window_ids.h"
#include "resources/string_table.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/panel.h>
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

// The page's controls, in the order SetDefaults puts them back. "Enabled" and "Use Cached" are
// not saved; the hidden EncryptedLogin is carried from the file to the next save, never reset.
const PageSettings kSettings = {
    TextSetting("GameName", BasicId::GameName, StringId::GameName, "Nameless Battle",
                kGameNameLength),
    ChoiceSetting("GameType", BasicId::GameType, StringId::GameType),
    NumberSetting("MaxPlayers", BasicId::MaxPlayers, StringId::MaxPlayers, "8", 1, 12),
    NumberSetting("Rounds", BasicId::Rounds, StringId::NumRounds, "1", 1, 99),
    TextSetting("Password", BasicId::Password, StringId::Password, "", kPasswordLength),
    CheckBoxSetting(nullptr, BasicId::PrivateEnabled, StringId::Enabled, false),
    CheckBoxSetting(nullptr, BasicId::UseCached, StringId::UseCached, false),
    TextSetting("PrivatePassword", BasicId::PrivatePassword, StringId::Password, "",
                kPrivatePasswordLength),
    NumberSetting("TimeLimit", BasicId::TimeLimit, StringId::TimeLimit, "10", 1, 60),
    TextSetting("Username", BasicId::Username, StringId::Username, "", kUsernameLength),
    TextSetting("WelcomeMessage", BasicId::WelcomeMessage, StringId::WelcomeMessage, "",
                kWelcomeMessageLength),
    CarriedSetting("EncryptedLogin", BasicId::EncryptedLogin),
};

const PageSetting& Setting(int id)
{
    return SettingFor(kSettings, id);
}

// A check box with an empty label and its caption to its left, then an empty row of 2 DIPs.
wxCheckBox* AddCaptionedCheckBox(wxWindow* group, wxSizer* grid, const PageSetting& setting)
{
    grid->Add(CreateFieldCaption(group, setting.m_stringId), PageFlags::Caption(group));
    wxCheckBox* box = new wxCheckBox(group, setting.m_id, wxEmptyString);
    grid->Add(box, PageFlags::Field(group));
    grid->AddSpacer(group->FromDIP(2));
    grid->AddSpacer(group->FromDIP(2));
    return box;
}
} // namespace

const PageSettings& BasicTab::Settings()
{
    return kSettings;
}

BasicTab::BasicTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kPanelStyle),
      m_gameTypes(OpenGameTypeListFile())
{
    SetSizer(new wxBoxSizer(wxHORIZONTAL));

    wxPanel* left = AddPageColumn(this, PageFlags::Column(this));
    CreateGeneralGroup(left);
    CreatePrivateGroup(left);

    wxPanel* right = AddPageColumn(this, PageFlags::NextColumn(this));
    CreateLoginGroup(right);
    CreateRoundsGroup(right);
    CreateMaxPlayersGroup(right);
    FitPageColumns(this);

    SetDefaults();
}

// Game Name, Game Type and Welcome Message, each under its caption.
void BasicTab::CreateGeneralGroup(wxWindow* column)
{
    wxBoxSizer* content = new wxBoxSizer(wxVERTICAL);
    wxWindow* group = AddGroup(column, content);

    const PageSetting& gameName = Setting(BasicId::GameName);
    AddCaptionAbove(group, content, gameName);
    m_gameName = CreateSettingField(group, gameName);
    content->Add(m_gameName, PageFlags::GapBelow(PageFlags::Inset(group)));

    const PageSetting& gameType = Setting(BasicId::GameType);
    AddCaptionAbove(group, content, gameType);
    m_gameType = new wxChoice(group, gameType.m_id, wxDefaultPosition, wxDefaultSize,
                              m_gameTypes.m_names, 0);
    // As wide as the listed types need: a longer type a settings file brings (and the choice
    // keeps) must not widen the page, and with it the window.
    m_gameType->SetMinSize(wxSize(m_gameType->GetBestSize().x, -1));
    content->Add(m_gameType, PageFlags::GapBelow(PageFlags::Inset(group)).Proportion(1));

    const PageSetting& welcomeMessage = Setting(BasicId::WelcomeMessage);
    AddCaptionAbove(group, content, welcomeMessage);
    m_welcomeMessage = CreateSettingField(group, welcomeMessage, wxTE_MULTILINE);
    content->Add(m_welcomeMessage, PageFlags::Inset(group));
}

void BasicTab::CreatePrivateGroup(wxWindow* column)
{
    wxFlexGridSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::Private);

    m_privateEnabled = AddCaptionedCheckBox(group, grid, Setting(BasicId::PrivateEnabled));
    const PageSetting& password = Setting(BasicId::PrivatePassword);
    grid->Add(CreateFieldCaption(group, password.m_stringId),
              PageFlags::GapAbove(PageFlags::Caption(group)));
    m_privatePassword = CreateSettingField(group, password, wxTE_PASSWORD);
    // The one field with 5 DIPs above and at the right instead of 8.
    grid->Add(m_privatePassword,
              wxSizerFlags().Expand().Border(wxTOP | wxRIGHT, group->FromDIP(5)));
}

void BasicTab::CreateLoginGroup(wxWindow* column)
{
    wxFlexGridSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::Login);

    m_useCached = AddCaptionedCheckBox(group, grid, Setting(BasicId::UseCached));
    m_username = AddFieldRow(group, grid, Setting(BasicId::Username), true);
    m_password = AddFieldRow(group, grid, Setting(BasicId::Password), true, wxTE_PASSWORD);

    // The launcher never shows or edits the cached login; it only carries it through.
    m_encryptedLogin = CreateSettingField(group, Setting(BasicId::EncryptedLogin));
    m_encryptedLogin->Hide();
}

void BasicTab::CreateRoundsGroup(wxWindow* column)
{
    wxFlexGridSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::Rounds);

    m_rounds = AddFieldRow(group, grid, Setting(BasicId::Rounds));
    m_timeLimit = AddFieldRow(group, grid, Setting(BasicId::TimeLimit), true);
}

void BasicTab::CreateMaxPlayersGroup(wxWindow* column)
{
    wxFlexGridSizer* grid = CreateFieldGrid(column);
    wxWindow* group = AddGroup(column, grid, StringId::MaxPlayers);

    m_maxPlayers = AddFieldRow(group, grid, Setting(BasicId::MaxPlayers));
}

void BasicTab::SetDefaults()
{
    // A game type a settings file brought that the list does not hold goes with that file.
    if (m_gameType->GetCount() != m_gameTypes.m_names.size())
        m_gameType->Set(m_gameTypes.m_names);
    SetPageDefaults(this, kSettings);
    // Without "Use Cached" the login fields are the user's; without "Enabled" there is no private
    // password to type.
    m_username->Enable();
    m_password->Enable();
    m_privatePassword->Disable();
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
