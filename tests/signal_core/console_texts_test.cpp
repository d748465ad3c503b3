#include "signal/core/console_texts.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>

TEST(ConsoleTexts, Titles)
{
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", ConsoleTitle());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote: 127.0.0.1:13500",
              ConnectedTitle("127.0.0.1", "13500"));
    // Host and port appear exactly as typed.
    EXPECT_EQ("Iron Canopy Dedicated Server Remote:  host: 80 ", ConnectedTitle(" host", " 80 "));
}

TEST(ConsoleTexts, CommandsAreTrimmedAtBothEndsOnly)
{
    EXPECT_EQ("kick  player one", TrimCommand("  kick  player one  "));
    EXPECT_EQ("say hi", TrimCommand("\t say hi \t\r\n"));
    EXPECT_EQ("", TrimCommand(" \t  \t"));
    EXPECT_EQ("", TrimCommand(""));
}

TEST(ConsoleTexts, EchoStandsOnALineOfItsOwn)
{
    EXPECT_EQ("\r\n>>> status <<<\r\n", CommandEcho("status"));
}

TEST(ConsoleTexts, LoginReplyMustMatchWholeAndCaseSensitive)
{
    EXPECT_EQ(LoginReply::Success, ClassifyLoginReply("SUCCESS"));
    EXPECT_EQ(LoginReply::InvalidPassword, ClassifyLoginReply("INVPASS"));
    EXPECT_EQ(LoginReply::Other, ClassifyLoginReply("SUCCESS!"));
    EXPECT_EQ(LoginReply::Other, ClassifyLoginReply("success"));
    EXPECT_EQ(LoginReply::Other, ClassifyLoginReply(" INVPASS"));
    EXPECT_EQ(LoginReply::Other, ClassifyLoginReply(""));
}
