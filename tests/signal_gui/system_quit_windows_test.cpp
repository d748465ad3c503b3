// Windows' own request to end a program: a quit message, posted by the program or from outside.

#include "tests/signal_gui/console_fixture.h"

#include <windows.h>

using SystemQuitTest = ConsoleTest;

TEST_F(SystemQuitTest, AQuitMessageEndsTheMainLoopWithoutAConnectDialog)
{
    Flush(); // the quit message is the next one the loop meets
    ::PostQuitMessage(0);
    // Were the message ignored, the connect dialog would come (an unexpected dialog fails).
    EXPECT_EQ(0, m_app->OnRun());
}
