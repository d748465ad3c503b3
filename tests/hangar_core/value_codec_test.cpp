#include "hangar/core/value_codec.h"
#include "tests/support/wx_print.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace
{
std::vector<wxString> Split(const wxString& text)
{
    const wxArrayString pieces = SplitString(text, ",");
    return std::vector<wxString>(pieces.begin(), pieces.end());
}

wxArrayString Items(std::initializer_list<const char*> items)
{
    wxArrayString list;
    for (const char* item : items)
        list.Add(item);
    return list;
}
} // namespace

TEST(CheckBoxValue, TrueFalseInAnyCaseAndOneZeroCarryAState)
{
    EXPECT_EQ("True", CheckBoxText(true));
    EXPECT_EQ("False", CheckBoxText(false));
    for (const char* on : {"True", "true", "TRUE", "1"})
        EXPECT_EQ(std::optional<bool>(true), CheckBoxState(on)) << on;
    for (const char* off : {"False", "false", "fAlSe", "0"})
        EXPECT_EQ(std::optional<bool>(false), CheckBoxState(off)) << off;
    for (const char* odd : {"yes", "", " True", "True ", "01", "2"})
        EXPECT_FALSE(CheckBoxState(odd).has_value()) << odd;
}

TEST(ChoiceValue, TheLastEqualItemWinsAndCaseMatters)
{
    const wxArrayString items = Items({"Alpha", "Bravo", "Alpha", "alpha"});
    EXPECT_EQ(2, ChoiceIndex(items, "Alpha"));
    EXPECT_EQ(1, ChoiceIndex(items, "Bravo"));
    EXPECT_EQ(wxNOT_FOUND, ChoiceIndex(items, "BRAVO"));
    EXPECT_EQ(wxNOT_FOUND, ChoiceIndex(wxArrayString(), ""));
}

TEST(ListValue, SplitKeepsInnerAndLeadingEmptyPiecesButNotATrailingOne)
{
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Glacier"}), Split("Kestrel,Glacier"));
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "", "Glacier"}), Split("Kestrel,,Glacier"));
    EXPECT_EQ((std::vector<wxString>{"Kestrel"}), Split("Kestrel,"));
    EXPECT_EQ((std::vector<wxString>{"", "Kestrel"}), Split(",Kestrel"));
    EXPECT_EQ((std::vector<wxString>{"", ""}), Split(",,"));
    EXPECT_TRUE(Split("").empty());
    EXPECT_EQ((std::vector<wxString>{" a b "}), Split(" a b "));
}

TEST(ListValue, JoinUndoesSplit)
{
    EXPECT_EQ("", JoinStrings(wxArrayString(), ","));
    EXPECT_EQ("Kestrel", JoinStrings(Items({"Kestrel"}), ","));
    for (const char* text : {"a,b,c", "a,,c", ",a", "x"})
        EXPECT_EQ(text, JoinStrings(SplitString(text, ","), ",")) << text;
}

TEST(RoundsValue, TheFileHoldsHalfPlusOne)
{
    EXPECT_EQ("3", RoundsForFile("5"));
    EXPECT_EQ("2", RoundsForFile("2"));
    EXPECT_EQ("1", RoundsForFile("1"));
    EXPECT_EQ("1", RoundsForFile(""));
    EXPECT_EQ("1", RoundsForFile("abc"));
    EXPECT_EQ("4", RoundsForFile("  +7x"));
    EXPECT_EQ("0", RoundsForFile("-3"));
    EXPECT_EQ("50", RoundsForFile("99"));
    // Pasted text is not judged by the field; a huge number must not overflow.
    EXPECT_EQ("1073741824", RoundsForFile("99999999999999999999"));
    EXPECT_EQ("-1073741823", RoundsForFile("-99999999999999999999"));
}

TEST(RoundsValue, ReadingBackMakesSaveLoadSaveStable)
{
    EXPECT_EQ("5", RoundsForField("3", 99));
    EXPECT_EQ("3", RoundsForField("2", 99));
    EXPECT_EQ("1", RoundsForField("1", 99));
    for (int n = 1; n <= 99; ++n)
    {
        const wxString saved = RoundsForFile(wxString::Format("%d", n));
        EXPECT_EQ(saved, RoundsForFile(RoundsForField(saved, 99))) << n;
    }
    // Anything that is not a positive whole number goes into the field as it stands.
    for (const char* other : {"0", "", "-2", " 3", "+3", "3x", "abc", "12345678901"})
        EXPECT_EQ(other, RoundsForField(other, 99)) << other;
}

TEST(RoundsValue, AStoredValueBeyondTheFieldShowsAtItsTop)
{
    EXPECT_EQ("97", RoundsForField("49", 99));
    EXPECT_EQ("99", RoundsForField("50", 99));
    EXPECT_EQ("99", RoundsForField("60", 99));
    EXPECT_EQ("99", RoundsForField("999999999", 99));
}

TEST(RoundsValue, NineDigitsAreReadBackAndLongerNumbersGoInAsTheyStand)
{
    // 2r - 1 of the largest nine-digit number still fits the field's 32-bit reading.
    EXPECT_EQ("1999999997", RoundsForField("999999999", INT_MAX));
    EXPECT_EQ("999999999", RoundsForFile("1999999997"));
    EXPECT_EQ("1000000000", RoundsForField("1000000000", INT_MAX));
}
