#pragma once

#include "hangar/core/list_file.h"
#include "hangar/pages/defaultable.h"
#include "hangar/pages/page_settings.h"

#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
class wxTextCtrl;

// The first settings page: the server's name, game type and welcome message, the password of a
// private server, the server account's login, rounds, time limit and the player limit. It owns
// the game-type list file, "TROVGameTypes.ini", from which the Game Type choice is filled.
class BasicTab : public wxPanel, public Defaultable
{
public:
    explicit BasicTab(wxWindow* parent);

    // The page's controls with their setting keys, window ids, captions, limits and defaults.
    static const PageSettings& Settings();

    void SetDefaults() override;

    // Brings the Login and Private groups into line with the values just loaded: "Use Cached"
    // is checked, and usable at all, exactly when the hidden EncryptedLogin holds a login (the
    // Username and Password fields are disabled while it is checked); "Enabled" is checked, and
    // the private password field enabled, exactly when that password is not empty.
    void ApplyLoadRules();

    // Empty, or why the game-type list file could not be used (its built-in types are offered).
    const wxString& ListProblem() const { return m_gameTypes.m_problem; }

    // The controls the main window registers under their setting keys (and the two check boxes
    // it reads directly).
    wxTextCtrl* m_gameName = nullptr;
    wxChoice* m_gameType = nullptr;
    wxTextCtrl* m_welcomeMessage = nullptr;
    wxCheckBox* m_privateEnabled = nullptr;
    wxTextCtrl* m_privatePassword = nullptr;
    wxCheckBox* m_useCached = nullptr;
    wxTextCtrl* m_username = nullptr;
    wxTextCtrl* m_password = nullptr;
    wxTextCtrl* m_encryptedLogin = nullptr; // hidden: carried from the file to the next save
    wxTextCtrl* m_rounds = nullptr;
    wxTextCtrl* m_timeLimit = nullptr;
    wxTextCtrl* m_maxPlayers = nullptr;

private:
    void CreateGeneralGroup(wxWindow* column);
    void CreatePrivateGroup(wxWindow* column);
    void CreateLoginGroup(wxWindow* column);
    void CreateRoundsGroup(wxWindow* column);
    void CreateMaxPlayersGroup(wxWindow* column);

    void OnPrivateEnabled(wxCommandEvent& event);
    // Disables the login fields while "Use Cached" is checked; a toggle marks the document
    // modified, since it decides whether the next save writes them.
    void OnUseCached(wxCommandEvent& event);
    void OnSettingChanged(wxCommandEvent& event);

    ListFile m_gameTypes; // the game-type list, kept open for the page's life

    wxDECLARE_EVENT_TABLE();
};
