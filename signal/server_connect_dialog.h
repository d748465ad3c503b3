#pragma once

#include <wx/bmpbndl.h>
#include <wx/dialog.h>

class wxTextCtrl;

// The modal dialog in which the operator picks the server and types the password. It checks
// nothing: any text is accepted, and problems show up as a failed connection or login.
class ServerConnectDialog : public wxDialog
{
public:
    static constexpr const char* kDefaultHostName = "127.0.0.1";
    static constexpr const char* kDefaultPortNumber = "13500";
    // The dialog's size (DIPs), where the system's controls fit in it; otherwise it is as large as
    // they need.
    static inline const wxSize kDesignedSize{324, 295};
    // The band at the top that the logo is drawn in (DIPs).
    static constexpr int kLogoBand = 100;

    explicit ServerConnectDialog(const wxString& title);
    ~ServerConnectDialog() override;

    // The fields' texts, unchanged and untrimmed.
    wxString GetHostName() const;
    wxString GetPortNumber() const;
    wxString GetPassword() const;

    wxTextCtrl* GetHostNameField() const { return m_hostName; }
    wxTextCtrl* GetPortNumberField() const { return m_portNumber; }
    wxTextCtrl* GetPasswordField() const { return m_password; }
    const wxBitmapBundle& GetLogo() const { return m_logo; }

private:
    void OnPaint(wxPaintEvent& event);

    wxBitmapBundle m_logo; // drawn at the window's scale (LogoFor)
    wxTextCtrl* m_hostName = nullptr;
    wxTextCtrl* m_portNumber = nullptr;
    wxTextCtrl* m_password = nullptr;
};
