// Entry of the GUI test programs: one toolkit application for the whole run.

#include "tests/support/failing_asserts.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/temp_home.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/modalhook.h>
#include <wx/utils.h>

namespace
{
class TestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// The last line of defence against a hanging run: a modal dialog that no wxTEST_DIALOG expects
// fails the test and is answered with Cancel instead of waiting for a user.
class UnexpectedDialogHook : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dialog) override
    {
        if (RealModalDialogs::Allowed())
            return wxID_NONE;
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
// A test that hangs fails the program instead of holding the whole run: one that runs longer than
// the limit (seconds; IC_TEST_WATCHDOG_SECONDS, default kDefaultLimit) is named and the program
// ends with a failure.
class Watchdog : public ::testing::EmptyTestEventListener
{
public:
    // Above the longest test's own bound (the ten-megabyte load under AddressSanitizer, 4 min).
    static constexpr long kDefaultLimit = 360;

    explicit Watchdog(long limitSeconds) : m_limit(limitSeconds), m_thread([this] { Watch(); }) {}
    ~Watchdog() override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void OnTestStart(const ::testing::TestInfo& test) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_test = std::string(test.test_suite_name()) + "." + test.name();
        m_started = std::chrono::steady_clock::now();
        m_running = true;
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop)
        {
            m_wake.wait_for(lock, std::chrono::milliseconds(200));
            if (m_running &&
                std::chrono::steady_clock::now() - m_started > std::chrono::seconds(m_limit))
            {
                std::fprintf(stderr, "watchdog: %s still runs after %ld s: FAILED\n",
                             m_test.c_str(), m_limit);
                std::fflush(nullptr);
                std::_Exit(3);
            }
        }
    }

    const long m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_running = false;
    std::string m_test;
    std::chrono::steady_clock::time_point m_started;
    std::thread m_thread;
};
} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* limit = std::getenv("IC_TEST_WATCHDOG_SECONDS");
    Watchdog* watchdog = new Watchdog(limit ? std::atol(limit) : Watchdog::kDefaultLimit);
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(watchdog);

    // Nothing the toolkit or GTK writes may reach the real user's home.
    const wxString home = MakeTempFolder("gui-tests-home-");
    wxSetEnv("HOME", home);
    wxUnsetEnv("XDG_CONFIG_HOME");
    wxSetEnv("XDG_DATA_HOME", home + "/.local/share");
    wxSetEnv("XDG_CACHE_HOME", home + "/.cache");

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 2;
    InstallFailingAssertHandler();
    UnexpectedDialogHook hook;
    hook.Register();

    int result = 0;
    {
        // The tests run inside an active event loop, as a program's code runs inside its main
        // loop: on MSW wxYield dispatches nothing without one, so windows would never paint nor
        // see their input.
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
    }

    delete listeners.Release(watchdog);
    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    RemoveTree(home);
    return result;
}
