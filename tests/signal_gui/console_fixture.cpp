#include "tests/signal_gui/console_fixture.h"

#include <wx/socket.h>
#include <wx/uiaction.h>

ExpectConnectDialog ExpectConnectDialog::Ok(const wxString& host, const wxString& port,
                                            const wxString& password)
{
    ExpectConnectDialog e;
    e.m_ok = true;
    e.m_host = host;
    e.m_port = port;
    e.m_password = password;
    return e;
}

ExpectConnectDialog ExpectConnectDialog::Cancel()
{
    return ExpectConnectDialog();
}

ExpectConnectDialog ExpectConnectDialog::Showing(const wxString& host, const wxString& port,
                                                 const wxString& password) const
{
    ExpectConnectDialog e(*this);
    e.m_check = true;
    e.m_shownHost = host;
    e.m_shownPort = port;
    e.m_shownPassword = password;
    return e;
}

ExpectConnectDialog ExpectConnectDialog::Then(std::function<void()> action) const
{
    ExpectConnectDialog e(*this);
    e.m_action = std::move(action);
    return e;
}

int ExpectConnectDialog::Invoke(wxDialog* dialog) const
{
    ServerConnectDialog* connect = dynamic_cast<ServerConnectDialog*>(dialog);
    if (!connect)
        return wxID_NONE;
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", connect->GetTitle());
    if (m_check)
    {
        EXPECT_EQ(m_shownHost, connect->GetHostName());
        EXPECT_EQ(m_shownPort, connect->GetPortNumber());
        EXPECT_EQ(m_shownPassword, connect->GetPassword());
    }
    if (m_action)
        m_action();
    if (!m_ok)
        return wxID_CANCEL;
    connect->GetHostNameField()->SetValue(m_host);
    connect->GetPortNumberField()->SetValue(m_port);
    connect->GetPasswordField()->SetValue(m_password);
    return wxID_OK;
}

int ExpectProgressClosed::Invoke(wxDialog* dialog) const
{
    wxGenericProgressDialog* progress = dynamic_cast<wxGenericProgressDialog*>(dialog);
    if (!progress)
        return wxID_NONE;
    EXPECT_EQ(m_message, progress->GetMessage());
    EXPECT_EQ(100, progress->GetValue());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", progress->GetTitle());
    return wxID_CANCEL;
}

ExpectMessageBox ExpectConnectionLost()
{
    return ExpectMessageBox("Connection lost.", wxID_OK, "Iron Canopy Dedicated Server Remote",
                            wxICON_INFORMATION | wxOK)
        .Then(Flush);
}

void ConsoleTest::SetUp()
{
    m_home = std::make_unique<TempHome>();
    // The toolkit makes every new application object the running one; the test program's own
    // stays in charge.
    m_testApp = wxApp::GetInstance();
    m_app = std::make_unique<RemoteAdminTool>();
    wxApp::SetInstance(m_testApp);
    // The program's main loop is active while it runs; waits and dialogs use it.
    m_activator = std::make_unique<wxEventLoopActivator>(&m_loop);
    ASSERT_TRUE(m_app->OnInit());
    m_frame = m_app->GetFrame();
    Flush();
}

void ConsoleTest::TearDown()
{
    if (m_app)
    {
        m_app->OnExit();
        if (m_frame)
            m_frame->Destroy();
        Flush();
        m_testApp->ProcessIdle(); // deletes the window and the socket
        m_app->DeletePendingEvents();
        m_app.reset();
        wxApp::SetInstance(m_testApp);
    }
    m_activator.reset();
    m_home.reset();
}

bool ConsoleTest::ConnectTo(const wxString& host, const wxString& port, const wxString& password)
{
    bool loggedIn = false;
    wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok(host, port, password));
    return loggedIn;
}

bool ConsoleTest::ActivateForKeys(wxTopLevelWindow* window)
{
    // The window manager may keep the focus where the last input went and refuse it to a raised
    // window; a click into the window, as a user would make, gives it the focus.
    window->Raise();
    if (WaitFor([&] { return window->IsActive(); }, 1000))
        return true;
    wxUIActionSimulator simulator;
    simulator.MouseMove(window->ClientToScreen(wxPoint(2, 2)));
    simulator.MouseClick();
    return WaitFor([&] { return window->IsActive(); });
}

void ConsoleTest::TypeCommand(const wxString& text)
{
    wxTextCtrl* entry = m_frame->GetCommandEntry();
    entry->SetValue(text);
    wxCommandEvent enter(wxEVT_TEXT_ENTER, entry->GetId());
    enter.SetEventObject(entry);
    enter.SetString(entry->GetValue());
    entry->GetEventHandler()->ProcessEvent(enter);
}

void ConsoleTest::ClickExecute()
{
    ClickButton(m_frame->GetExecuteButton());
}

void ConsoleTest::ClickDisconnect()
{
    ClickButton(DisconnectButton());
}

wxButton* ConsoleTest::DisconnectButton() const
{
    return FindButton(m_frame, RemoteAdminToolFrame::kDisconnectId);
}

wxString ConsoleTest::AsShown(const wxString& text) const
{
    // Asked of a control made like the console, once.
    static const bool keepsCrLf = [this]
    {
        wxTextCtrl probe(m_frame, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                         Console()->GetWindowStyle());
        probe.AppendText("a\r\nb\n");
        return probe.GetValue() == "a\r\nb\n";
    }();
    wxString shown = text;
    if (!keepsCrLf)
        shown.Replace("\r\n", "\n");
    return shown;
}

bool ConsoleTest::WaitForConsoleEnding(const wxString& tail, long timeoutMs)
{
    const wxString shown = AsShown(tail);
    return WaitFor([&] { return ConsoleText().EndsWith(shown); }, timeoutMs);
}

bool ConsoleTest::WaitForReceived(const TestServer& server, std::size_t count, long timeoutMs)
{
    return WaitFor([&] { return server.Received().size() >= count; }, timeoutMs);
}

wxColour ConsoleTest::TextColourAt(long position) const
{
    wxTextAttr attr;
    Console()->GetStyle(position, attr);
    return attr.GetTextColour();
}

wxString ConsoleTest::RefusingPort()
{
    // Binds a free port and lets it go again; nothing else on this machine takes it meanwhile.
    wxIPV4address address;
    address.Hostname("127.0.0.1");
    address.Service(0);
    wxSocketServer listener(address);
    wxIPV4address local;
    listener.GetLocal(local);
    const unsigned short port = local.Service();
    listener.Close();
    return wxString::Format("%u", port);
}
