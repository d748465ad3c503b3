#include "signal/core/screen_lines.h"

#include <gtest/gtest.h>

TEST(ScreenLines, TextWithoutLineBreaksIsShownInLinesOfBoundedLength)
{
    ScreenLines lines(4);
    // Lines that fit stay as they are; a line break starts the count anew.
    EXPECT_EQ("abcd\nef", lines.Break("abcd\nef"));
    // The count goes on across appends.
    EXPECT_EQ("gh\nijkl\nm", lines.Break("ghijklm"));
    EXPECT_EQ("", lines.Break(""));
    EXPECT_EQ("nop", lines.Break("nop"));
    EXPECT_EQ("\nq", lines.Break("q"));
    lines.Reset();
    EXPECT_EQ("rstu", lines.Break("rstu"));
    EXPECT_EQ(wxString(kMaxShownLineLength, 'x') + "\n" + wxString(44, 'x'),
              ScreenLines().Break(wxString(kMaxShownLineLength + 44, 'x')));
}
