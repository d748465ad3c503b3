#include "signal/core/screen_lines.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>

TEST(ScreenLines, TextWithoutLineBreaksIsShownInLinesOfBoundedLength)
{
    ScreenLines lines(4);
    EXPECT_EQ("abcd\nef", lines.Break("abcd\nef"));   // a line break starts the count anew
    EXPECT_EQ("gh\nijkl\nm", lines.Break("ghijklm")); // the count goes on across appends
    lines.Reset();
    EXPECT_EQ("nopq", lines.Break("nopq"));
    EXPECT_EQ(wxString(kMaxShownLineLength, 'x') + "\n" + wxString(44, 'x'),
              ScreenLines().Break(wxString(kMaxShownLineLength + 44, 'x')));
}
