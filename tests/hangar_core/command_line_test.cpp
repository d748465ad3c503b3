#include "hangar/core/command_line.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>

// What the server reads back is what the launcher gave: the quoting a Windows program's command
// line needs to carry a settings file name as one argument.
TEST(CommandLineArgument, ASettingsFileNameReachesTheServerAsOneArgument)
{
    EXPECT_EQ("TROVDedicatedServer.ini", QuoteCommandLineArgument("TROVDedicatedServer.ini"));
    EXPECT_EQ("C:\\Servers\\a.ini", QuoteCommandLineArgument("C:\\Servers\\a.ini"));
    EXPECT_EQ("\"my server.ini\"", QuoteCommandLineArgument("my server.ini"));
    EXPECT_EQ("\"tab\there.ini\"", QuoteCommandLineArgument("tab\there.ini"));
    EXPECT_EQ("\"\"", QuoteCommandLineArgument(""));
    // Quotes are escaped, and so are the backslashes before a quote or before the closing one.
    EXPECT_EQ("\"say \\\"hi\\\".ini\"", QuoteCommandLineArgument("say \"hi\".ini"));
    EXPECT_EQ("\"a\\\\\\\"b\"", QuoteCommandLineArgument("a\\\"b"));
    EXPECT_EQ("\"C:\\my dir\\\\\"", QuoteCommandLineArgument("C:\\my dir\\"));
    EXPECT_EQ("\"a\\b c\"", QuoteCommandLineArgument("a\\b c"));
}
