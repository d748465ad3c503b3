#include "signal/server_exchange.h"

#include "signal/core/message_codec.h"
#include "signal/platform/socket_system.h"

#include <algorithm>
#include <wx/evtloop.h>

namespace
{
// Bytes read at most in one turn before the windows get theirs (each message is one append to the
// console); the socket tells again of what it still holds, and the timer looks anyway.
constexpr std::size_t kReadChunk = 8 * 1024;
constexpr std::size_t kReadPerTurn = kReadChunk;
// How often the login's wait looks at the socket while it handles the windows' events.
constexpr unsigned long kLoginPollMs = 20;

// How often a connection is looked at: often enough that a silence is noticed well within a
// second of the bound.
int TickMs(long silenceMs)
{
    return static_cast<int>(std::clamp(silenceMs / 5, 10L, 200L));
}
} // namespace

ServerExchange::ServerExchange(Handlers handlers)
    : m_handlers(std::move(handlers)), m_reader(kReceiveBufferSize)
{
    m_tick.SetOwner(this);
    Bind(wxEVT_TIMER, &ServerExchange::OnTick, this);
}

ServerExchange::~ServerExchange()
{
    Close();
}

void ServerExchange::Start(SocketPtr socket, wxEvtHandler& handler, int id, void* tag)
{
    Close();
    m_socket = std::move(socket);
    m_tag = tag;
    m_socket->SetClientData(tag);
    // Reads and writes take what is there and never wait.
    m_socket->SetFlags(wxSOCKET_NOWAIT);
    m_socket->SetEventHandler(handler, id);
    m_socket->SetNotify(wxSOCKET_INPUT_FLAG | wxSOCKET_OUTPUT_FLAG | wxSOCKET_CONNECTION_FLAG |
                        wxSOCKET_LOST_FLAG);
    m_socket->Notify(true);
    m_sinceProgress.Start();
    m_tick.Start(TickMs(m_silenceMs));
}

void ServerExchange::BeginLogin(const wxString& password, long waitMs)
{
    m_loginState = LoginState::Waiting;
    m_loginWaitMs = waitMs;
    m_sinceLogin.Start();
    Send(password);
}

bool ServerExchange::AwaitLoginReply(const wxString& password, long waitMs,
                                     const std::function<bool()>& cancelled, wxString& reply)
{
    BeginLogin(password, waitMs);
    const unsigned connection = m_connection;
    wxEventLoopBase* const loop = wxEventLoopBase::GetActive();
    for (;;)
    {
        Exchange();
        if (m_connection != connection)
            return false; // closed meanwhile
        if (m_loginState != LoginState::Waiting || cancelled())
            break;
        loop->DispatchTimeout(kLoginPollMs);
    }
    if (m_loginState != LoginState::Replied)
    {
        m_loginState = LoginState::Failed;
        return false;
    }
    reply = m_loginReply;
    return true;
}

void ServerExchange::CheckLogin()
{
    if (m_loginState != LoginState::Waiting)
        return;
    std::string payload;
    if (m_reader.TakeMessage(payload))
    {
        m_loginReply = DecodeReceiveBuffer(payload.data(), payload.size());
        m_loginState = LoginState::Replied;
    }
    else if (m_ended || !m_socket || m_sinceLogin.Time() >= m_loginWaitMs)
    {
        m_loginState = LoginState::Failed;
    }
}

void ServerExchange::BeginSession()
{
    m_session = true;
    m_sinceProgress.Start();
    // What came after the reply, and an end that came during the login, once the login is over.
    const unsigned connection = m_connection;
    CallAfter(
        [this, connection]
        {
            if (m_connection != connection || !m_socket)
                return;
            Exchange();
            PassOn();
        });
}

void ServerExchange::Send(const wxString& text)
{
    if (!m_socket)
        return;
    if (!IsBusy())
        m_sinceProgress.Start(); // the silence of an idle connection does not count
    m_unsent.push_back(FrameMessage(EncodeMessageText(text)));
    Exchange();
    if (m_session)
        PassOn();
}

void ServerExchange::OnNotification(wxSocketNotify kind)
{
    if (!m_socket || m_reported)
        return;
    if (kind == wxSOCKET_LOST)
        NoteEnd();
    Exchange();
    if (m_session)
        PassOn();
}

void ServerExchange::OnTick(wxTimerEvent& /*event*/)
{
    if (!m_socket || m_reported)
        return;
    Exchange();
    if (m_session)
        PassOn();
}

void ServerExchange::Exchange()
{
    if (m_socket && !m_ended)
    {
        WriteAvailable();
        if (!m_ended)
            ReadAvailable();
    }
    CheckLogin();
}

void ServerExchange::WriteAvailable()
{
    while (!m_unsent.empty())
    {
        const std::string& frame = m_unsent.front();
        m_socket->Write(frame.data() + m_written, static_cast<wxUint32>(frame.size() - m_written));
        const std::size_t count = m_socket->LastWriteCount();
        if (count > 0)
        {
            m_written += count;
            m_sinceProgress.Start();
        }
        if (m_written == frame.size())
        {
            m_unsent.pop_front();
            m_written = 0;
            continue;
        }
        if (m_socket->Error() && m_socket->LastError() != wxSOCKET_WOULDBLOCK)
            NoteEnd();
        return; // the socket takes no more now
    }
}

void ServerExchange::ReadAvailable()
{
    char buffer[kReadChunk];
    for (std::size_t total = 0; total < kReadPerTurn;)
    {
        m_socket->Read(buffer, sizeof buffer);
        const std::size_t count = m_socket->LastReadCount();
        if (count > 0)
        {
            total += count;
            m_sinceProgress.Start();
            if (!m_reader.Feed(buffer, count))
            {
                m_ended = true; // out of step: nothing after this is trusted
                return;
            }
        }
        if (m_socket->IsClosed() ||
            (m_socket->Error() && m_socket->LastError() != wxSOCKET_WOULDBLOCK))
        {
            NoteEnd();
            return;
        }
        if (count < sizeof buffer)
            return;
    }
}

void ServerExchange::NoteEnd()
{
    if (m_ended)
        return;
    m_ended = true;
    std::string rest;
    ReadWhatIsLeft(*m_socket, rest);
    m_reader.Feed(rest.data(), rest.size());
}

void ServerExchange::PassOn()
{
    if (m_passingOn || !m_socket)
        return;
    m_passingOn = true;
    const unsigned connection = m_connection;
    std::string payload;
    while (m_connection == connection && m_reader.TakeMessage(payload))
    {
        ++m_passedOn;
        m_handlers.message(DecodeReceiveBuffer(payload.data(), payload.size()));
    }
    if (m_connection != connection)
        return; // the connection was ended meanwhile; a new one has its own turn
    m_passingOn = false;
    const bool silent = IsBusy() && m_sinceProgress.Time() >= m_silenceMs;
    if (m_reported || !(m_ended || silent))
        return;
    m_reported = true;
    m_tick.Stop();
    m_socket->Notify(false); // nothing more from this connection while the loss is reported
    m_handlers.lost();
}

void ServerExchange::Close()
{
    ++m_connection;
    m_tick.Stop();
    m_socket.reset();
    m_tag = nullptr;
    m_unsent.clear();
    m_written = 0;
    m_reader = MessageReader(kReceiveBufferSize);
    m_session = false;
    m_ended = false;
    m_reported = false;
    m_passingOn = false;
    m_loginState = LoginState::Failed;
    m_loginReply.clear();
}
