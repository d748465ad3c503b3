#pragma once

#include <wx/app.h>
#include <wx/evtloop.h>

// The console's event loop. AdminTool::OnRun drives it one event at a time and never through
// Run(), so a request to end it (the toolkit's ExitMainLoop included) is only recorded here;
// OnRun reads it after the event being dispatched.
class ConsoleEventLoop : public wxGUIEventLoop
{
public:
    void ScheduleExit(int rc = 0) override;
    // Dispatches one event, waiting for one if none is pending; false once the end is requested,
    // by the program or by the system (the platform layer tells which answers of the toolkit's
    // Dispatch mean that).
    bool Dispatch() override;
    bool ExitRequested() const { return m_shouldExit; }
    int ExitCode() const { return m_exitCode; }

private:
    int m_exitCode = 0;
};

// The application base of the administration tools: its own main loop keeps one rule, that a
// connection exists whenever the window can take input (EnsureConnected after every event).
class AdminTool : public wxApp
{
public:
    // Idle processing when nothing is pending, one dispatch, then EnsureConnected; returns 0 when
    // the quit request ends the loop or EnsureConnected reports that the operator gave up.
    int OnRun() override;

    // True when connected, after bringing up the connect dialog if need be; false when the
    // operator cancelled it.
    virtual bool EnsureConnected() = 0;

    // The program's quit request: the main loop ends with exitCode once the current event has
    // been handled.
    void PostQuit(int exitCode);
    // Whether a quit request was posted (the main loop may not be running, as in tests).
    bool QuitPosted() const { return m_quitPosted; }

protected:
    // Called when the quit request is posted; what waits on the outside world ends here.
    virtual void OnQuitRequested() {}

private:
    bool m_quitPosted = false;
};
