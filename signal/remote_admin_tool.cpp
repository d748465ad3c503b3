#include "signal/remote_admin_tool.h"

#include "common/window_position.h"

#include "signal/core/console_texts.h"
#include "signal/core/message_codec.h"
#include "signal/login_progress_dialog.h"
#include "signal/platform/socket_system.h"
#include "signal/remote_admin_tool_frame.h"
#include "signal/server_connect_dialog.h"

#include <cstdint>
#include <wx/evtloop.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>

namespace
{
// The longest the progress dialog is waited for to appear on screen.
constexpr long kPaintWaitMs = 1000;
// How often a host-name lookup is looked at while the windows handle their events.
constexpr unsigned long kLookupPollMs = 20;

// What a socket carries to tell the attempt it belongs to; its notifications carry it too.
void* AttemptTag(unsigned attempt)
{
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(attempt));
}
} // namespace

RemoteAdminTool::RemoteAdminTool()
    : m_exchange({[this](const wxString& text) { m_frame->AppendServerText(text); },
                  [this] { OnConnectionLost(); }}),
      m_hostLookup(LookUpHostAddress)
{
    // Bound once: every notification of every connection reaches OnSocketEvent exactly once.
    Bind(wxEVT_SOCKET, &RemoteAdminTool::OnSocketEvent, this, 0);
}

RemoteAdminTool::~RemoteAdminTool()
{
    m_exchange.Close();
}

bool RemoteAdminTool::OnInit()
{
    m_frame = new RemoteAdminToolFrame(this);
    SetUpMainWindow();
    m_frame->SetTitle(ConsoleTitle());
    return true;
}

void RemoteAdminTool::SetUpMainWindow()
{
    m_frame->SetSize(m_frame->FromDIP(wxSize(600, 350)));
    m_frame->SetMinSize(m_frame->FromDIP(wxSize(300, 200)));
    m_frame->SetTitle(kServerName);
    m_frame->Centre(wxBOTH);
    KeepPositionWhenShown(m_frame);
    m_frame->Show(true);
    SetTopWindow(m_frame);
}

int RemoteAdminTool::OnExit()
{
    m_exchange.Close();
    if (m_progress)
        m_progress->Destroy();
    return AdminTool::OnExit();
}

void RemoteAdminTool::OnQuitRequested()
{
    // The connection goes with the program, without a word to the server; nothing more is read
    // from it. An attempt in progress ends.
    CancelAttempt();
    m_exchange.Close();
}

bool RemoteAdminTool::EnsureConnected()
{
    if (GetSocket())
        return true;
    return RunConnectDialog();
}

bool RemoteAdminTool::RunConnectDialog()
{
    ServerConnectDialog dialog(ConsoleTitle());
    for (;;)
    {
        if (dialog.ShowModal() == wxID_CANCEL)
            return false;
        if (ConnectToServer(dialog.GetHostName(), dialog.GetPortNumber(), dialog.GetPassword()))
            return true;
        // The window was closed during the attempt: the program ends.
        if (QuitPosted())
            return false;
    }
}

bool RemoteAdminTool::ConnectToServer(const wxString& host, const wxString& port,
                                      const wxString& password)
{
    if (m_progress)
        m_progress->Destroy();
    LoginProgressDialog* progress =
        new LoginProgressDialog(ConsoleTitle(), "Connecting ...", m_frame);
    m_progress = progress;
    m_frame->HoldForAttempt(true);
    m_attemptCancelled = QuitPosted();
    progress->SetCancelHandler([this] { CancelAttempt(); });
    // "Connecting ..." is on screen before the attempt starts.
    progress->WaitUntilPainted(kPaintWaitMs);
    const bool loggedIn = !m_attemptCancelled && LogIn(host, port, password);
    if (m_progress)
        m_progress->SetCancelHandler(nullptr);
    // However the attempt ended, the dialog must not keep the main window disabled.
    if (m_progress && m_progress->IsShown())
        m_progress->Hide();
    m_frame->HoldForAttempt(false);
    if (loggedIn)
        m_frame->FocusCommandEntry();
    return loggedIn;
}

bool RemoteAdminTool::LogIn(const wxString& host, const wxString& port, const wxString& password)
{
    m_exchange.Close();
    ++m_attempt;
    const wxStopWatch watch;
    SocketPtr socket(new wxSocketClient(wxSOCKET_NONE));
    m_connecting = socket.get();
    const bool connected = Connect(*socket, host, port, watch);
    m_connecting = nullptr;
    if (!connected)
    {
        if (!m_attemptCancelled)
            FinishProgress("Connection failed.");
        return false;
    }
    m_exchange.Start(std::move(socket), *this, 0, AttemptTag(m_attempt));
    m_progress->Advance(50, "Connection succeeded.");

    // A reply that is not a whole, well-framed message within the wait is no reply.
    wxString reply;
    if (!m_exchange.AwaitLoginReply(
            password, m_serverWaitMs - watch.Time(), [this] { return m_attemptCancelled; },
            reply) ||
        m_attemptCancelled)
    {
        m_exchange.Close();
        if (!m_attemptCancelled)
            FinishProgress("Connection failed.");
        return false;
    }
    const LoginReply outcome = ClassifyLoginReply(reply);
    if (outcome == LoginReply::InvalidPassword)
    {
        FinishProgress("Login failed: Invalid password.");
        m_exchange.Close();
        return false;
    }
    if (outcome == LoginReply::Success)
    {
        m_progress->HideWhenFinished();
        FinishProgress("Login successful.");
    }
    m_frame->SetTitle(ConnectedTitle(host, port));
    // Only now: the dialog's last update handles events of the windows, and what the server sent
    // meanwhile, or its end, must not be shown from inside it.
    m_exchange.BeginSession();
    return true;
}

bool RemoteAdminTool::Connect(wxSocketClient& socket, const wxString& host, const wxString& port,
                              const wxStopWatch& watch)
{
    // A host or port the toolkit rejects would leave the address at its previous value (any
    // local address, port 0): such a text is a failed connection, not a connection elsewhere.
    wxIPV4address address;
    if (host.empty() || !address.Service(port) || !ResolveHost(host, address, watch))
        return false;
    const long left = m_serverWaitMs - watch.Time();
    if (left <= 0 || m_attemptCancelled)
        return false;
    if (socket.Connect(address, false))
        return true;
    // The wait handles the window's events meanwhile; a cancel closes the socket, which ends it.
    socket.WaitOnConnect(left / 1000, left % 1000);
    return !m_attemptCancelled && socket.IsConnected();
}

bool RemoteAdminTool::ResolveHost(const wxString& host, wxIPV4address& address,
                                  const wxStopWatch& watch)
{
    const std::string name = host.ToStdString(wxConvUTF8);
    if (IsDottedQuad(name))
        return address.Hostname(host);
    const HostLookup lookup(m_hostLookup, name);
    wxEventLoopBase* const loop = wxEventLoopBase::GetActive();
    while (!lookup.Done() && !m_attemptCancelled && watch.Time() < m_serverWaitMs)
        loop->DispatchTimeout(kLookupPollMs);
    if (!lookup.Done() || m_attemptCancelled)
        return false;
    const std::string dotted = lookup.Address();
    return IsDottedQuad(dotted) && address.Hostname(dotted);
}

void RemoteAdminTool::CancelAttempt()
{
    m_attemptCancelled = true;
    if (m_connecting)
        m_connecting->Close(); // the wait for the connection returns at once
}

void RemoteAdminTool::FinishProgress(const wxString& message)
{
    m_progress->SetCancelHandler(nullptr);
    m_progress->Advance(100, message);
}

void RemoteAdminTool::SendText(const wxString& text)
{
    m_exchange.Send(text);
}

void RemoteAdminTool::OnSocketEvent(wxSocketEvent& event)
{
    // A notification still queued for a connection that has ended since is of no interest: the
    // attempt's number tells, as a new socket may take the place of one deleted.
    if (!GetSocket() || event.GetClientData() != m_exchange.GetTag())
        return;
    m_exchange.OnNotification(event.GetSocketEvent());
}

void RemoteAdminTool::OnConnectionLost()
{
    // A connection the program's end closed is no loss.
    if (!QuitPosted())
    {
        m_frame->SetTitle(ConsoleTitle());
        wxMessageBox("Connection lost.", ConsoleTitle(), wxOK | wxICON_INFORMATION, nullptr);
    }
    m_exchange.Close();
}

void RemoteAdminTool::CloseConnection()
{
    m_exchange.Close();
}
