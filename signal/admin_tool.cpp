#include "signal/admin_tool.h"

#include "signal/platform/socket_system.h"

void ConsoleEventLoop::ScheduleExit(int rc)
{
    m_exitCode = rc;
    m_shouldExit = true;
    WakeUp(); // a Dispatch waiting for an event returns
}

bool ConsoleEventLoop::Dispatch()
{
    // Where the system's loop answers that it met a request to end (one posted from anywhere),
    // that request is kept like the program's own.
    if (DispatchAnswerEndsProgram(wxGUIEventLoop::Dispatch()))
        m_shouldExit = true;
    return !m_shouldExit;
}

namespace
{
// Makes loop the application's main loop (so that ExitMainLoop reaches it) while it runs.
class MainLoopSlot
{
public:
    MainLoopSlot(wxEventLoopBase*& slot, wxEventLoopBase* loop) : m_slot(slot), m_old(slot)
    {
        m_slot = loop;
    }
    ~MainLoopSlot() { m_slot = m_old; }
    MainLoopSlot(const MainLoopSlot&) = delete;
    MainLoopSlot& operator=(const MainLoopSlot&) = delete;

private:
    wxEventLoopBase*& m_slot;
    wxEventLoopBase* m_old;
};
} // namespace

int AdminTool::OnRun()
{
    ConsoleEventLoop loop;
    wxEventLoopActivator activate(&loop);
    MainLoopSlot mainLoop(m_mainLoop, &loop);
    for (;;)
    {
        // Idle time: the events posted meanwhile (socket notifications among them; the running
        // application object keeps them), then the toolkit's idle processing for as long as it
        // asks for more and nothing else is waiting.
        do
        {
            wxTheApp->ProcessPendingEvents();
        } while (!loop.Pending() && !loop.ExitRequested() && ProcessIdle());
        if (loop.ExitRequested() || !loop.Dispatch())
            return loop.ExitCode();
        if (!EnsureConnected())
            return 0;
    }
}

void AdminTool::PostQuit(int exitCode)
{
    m_quitPosted = true;
    OnQuitRequested();
    if (m_mainLoop)
        m_mainLoop->ScheduleExit(exitCode);
}
