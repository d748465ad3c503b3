// The console program itself, started as a user starts it (POSIX: fork and exec, windows found
// with xdotool).

#include "tests/signal_gui/console_fixture.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace
{
// Runs a command and returns what it wrote to its standard output.
wxString Output(const wxString& command)
{
    wxArrayString lines;
    wxExecute(command, lines, wxEXEC_SYNC | wxEXEC_NODISABLE);
    return wxJoin(lines, '\n', 0);
}
} // namespace

TEST(SignalProgram, ExitsWithZeroWhenTheConnectDialogIsCancelled)
{
    TempHome home;
    const pid_t child = fork();
    ASSERT_NE(-1, child);
    if (child == 0)
    {
        execl(SIGNAL_PROGRAM, SIGNAL_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    // Both windows carry the console title; the dialog, made last, has the higher window id.
    const wxString search =
        "xdotool search --onlyvisible --name \"^Iron Canopy Dedicated Server Remote$\"";
    int status = 0;
    bool exited = false;
    unsigned long dialog = 0;
    const bool shown = WaitFor(
        [&]
        {
            exited = waitpid(child, &status, WNOHANG) == child;
            const wxArrayString ids = wxSplit(Output(search), '\n');
            if (ids.size() < 2)
                return exited;
            for (const wxString& id : ids)
            {
                unsigned long value = 0;
                if (id.ToULong(&value))
                    dialog = std::max(dialog, value);
            }
            return true;
        },
        20000);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(exited) << "the program ended on its own";
    if (!exited)
    {
        // Keys go to the window under the pointer when no window manager hands out the focus.
        wxExecute(wxString::Format("xdotool mousemove --window %lu 20 20 key Escape", dialog),
                  wxEXEC_SYNC | wxEXEC_NODISABLE);
        exited = WaitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 10000);
    }
    if (!exited)
    {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(exited);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
}
