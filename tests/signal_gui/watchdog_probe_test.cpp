// A test that hangs on purpose, for the check that the GUI test programs' watchdog fails such a
// test (tests/CMakeLists.txt); in every other run it is skipped.

#include "tests/support/gui_helpers.h"

#include <cstdlib>

TEST(Watchdog, HangingTestFailsTheProgram)
{
    if (!std::getenv("IC_WATCHDOG_PROBE"))
        GTEST_SKIP() << "hangs only for the watchdog check";
    // As a loop that lost its bound: the windows are served, the test never ends.
    for (;;)
    {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}
