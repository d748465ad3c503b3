// The flood benchmark of the console: the real console application with its own main loop,
// whose connect dialog is answered with the stand-in server's port; it counts the server's
// messages as they reach the console and ends when all have.
//
//   signal_flood_bench PORT COUNT

#include "signal/remote_admin_tool.h"
#include "signal/remote_admin_tool_frame.h"
#include "signal/server_connect_dialog.h"
#include "tests/bench/bench_figures.h"

#include <wx/modalhook.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>

namespace
{
// Answers the first connect dialog with the server's port and cancels any later one.
class AnswerConnectDialog : public wxModalDialogHook
{
public:
    wxString m_port;
    int m_shown = 0;

protected:
    int Enter(wxDialog* dialog) override
    {
        ServerConnectDialog* connect = dynamic_cast<ServerConnectDialog*>(dialog);
        if (!connect)
            return wxID_NONE;
        if (m_shown++ > 0)
            return wxID_CANCEL;
        connect->GetPortNumberField()->SetValue(m_port);
        connect->GetPasswordField()->SetValue("x");
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};
} // namespace

class BenchApp : public RemoteAdminTool
{
public:
    bool OnInit() override
    {
        if (argc != 3)
            return false;
        m_hook.m_port = argv[1];
        m_count = wxAtoi(argv[2]);
        m_hook.Register();
        if (!RemoteAdminTool::OnInit())
            return false;
        // Each append raises one text event on the console.
        GetFrame()->GetConsole()->Bind(wxEVT_TEXT, &BenchApp::OnConsoleText, this);
        return true;
    }

    bool ConnectToServer(const wxString& host, const wxString& port,
                         const wxString& password) override
    {
        const bool loggedIn = RemoteAdminTool::ConnectToServer(host, port, password);
        m_watch.Start();
        return loggedIn;
    }

    int OnExit() override
    {
        m_hook.Unregister();
        if (m_shown == m_count)
            PrintFigures("signal console", m_count, m_marks);
        else
            std::printf("signal console: only %d of %d messages shown\n", m_shown, m_count);
        return RemoteAdminTool::OnExit();
    }

private:
    void OnConsoleText(wxCommandEvent& event)
    {
        event.Skip();
        if (++m_shown % 1000 == 0 || m_shown == m_count)
        {
            if (m_shown == m_count)
                GetFrame()->GetConsole()->Update(); // painted on screen
            m_marks.push_back(m_watch.TimeInMicro().ToDouble() / 1000.0);
        }
        if (m_shown == m_count)
            PostQuit(0);
    }

    AnswerConnectDialog m_hook;
    int m_count = 0;
    int m_shown = 0;
    wxStopWatch m_watch;
    std::vector<double> m_marks;
};

wxIMPLEMENT_APP(BenchApp);
