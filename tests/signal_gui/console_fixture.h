#pragma once

#include "signal/login_progress_dialog.h"
#include "signal/remote_admin_tool.h"
#include "signal/remote_admin_tool_frame.h"
#include "signal/server_connect_dialog.h"
#include "tests/signal_server/test_server.h"
#include "tests/support/expect_message.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/temp_home.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <wx/button.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

// Answers the connect dialog: optionally checks the texts it shows, then types host, port and
// password and presses OK, or cancels it. An action can run just before the answer.
class ExpectConnectDialog : public wxModalExpectation
{
public:
    static ExpectConnectDialog Ok(const wxString& host, const wxString& port,
                                  const wxString& password);
    static ExpectConnectDialog Cancel();
    ExpectConnectDialog Showing(const wxString& host, const wxString& port,
                                const wxString& password) const;
    ExpectConnectDialog ShowingDefaults() const { return Showing("127.0.0.1", "13500", ""); }
    ExpectConnectDialog Then(std::function<void()> action) const;

    int Invoke(wxDialog* dialog) const override;

protected:
    wxString GetDefaultDescription() const override { return "the connect dialog"; }

private:
    bool m_ok = false;
    wxString m_host, m_port, m_password;
    bool m_check = false;
    wxString m_shownHost, m_shownPort, m_shownPassword;
    std::function<void()> m_action;
};

// Expects a progress dialog in its finished state showing message, and closes it.
class ExpectProgressClosed : public wxModalExpectation
{
public:
    explicit ExpectProgressClosed(const wxString& message) : m_message(message) {}
    int Invoke(wxDialog* dialog) const override;

protected:
    wxString GetDefaultDescription() const override
    {
        return "progress dialog with \"" + m_message + "\"";
    }

private:
    wxString m_message;
};

// Expects the "Connection lost." information box and closes it. While a box is up, its own event
// loop handles what is queued: so does this one.
ExpectMessageBox ExpectConnectionLost();

// Each console test builds the real application object next to the test program's own one and
// starts it as the program does (the console window, no connection yet); the test drives the
// connect dialog loop and the main loop itself.
class ConsoleTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the connect dialog loop answering OK with the given values; returns its result.
    bool ConnectTo(const wxString& host, const wxString& port, const wxString& password);
    bool ConnectTo(const TestServer& server, const wxString& password = "secret")
    {
        return ConnectTo("127.0.0.1", server.PortText(), password);
    }

    // Brings window to the front and waits until it has the keyboard, so that real key presses
    // (wxUIActionSimulator) reach it.
    static bool ActivateForKeys(wxTopLevelWindow* window);

    // Types text into the command entry and presses Enter.
    void TypeCommand(const wxString& text);
    void ClickExecute();
    void ClickDisconnect();
    wxButton* DisconnectButton() const;

    wxTextCtrl* Console() const { return m_frame->GetConsole(); }
    wxString ConsoleText() const { return Console()->GetValue(); }
    // text as the console's kind of control gives it back: GTK keeps each "\r\n", Windows' rich
    // edit control gives every line break back as "\n".
    wxString AsShown(const wxString& text) const;
    // Waits until the console's text ends with tail.
    bool WaitForConsoleEnding(const wxString& tail, long timeoutMs = 10000);
    // Waits until the server has received count payloads.
    static bool WaitForReceived(const TestServer& server, std::size_t count,
                                long timeoutMs = 10000);
    wxColour TextColourAt(long position) const;
    // A port on 127.0.0.1 that nothing listens on.
    static wxString RefusingPort();

    std::unique_ptr<RemoteAdminTool> m_app;
    RemoteAdminToolFrame* m_frame = nullptr;

private:
    std::unique_ptr<TempHome> m_home;
    wxAppConsole* m_testApp = nullptr;
    ConsoleEventLoop m_loop;
    std::unique_ptr<wxEventLoopActivator> m_activator;
};
