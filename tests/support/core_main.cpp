// Entry of the test programs that need no display.

#include "tests/support/failing_asserts.h"

#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 2;
    InstallFailingAssertHandler();
    return RUN_ALL_TESTS();
}
