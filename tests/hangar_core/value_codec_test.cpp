#include "hangar/core/value_codec.h"
#include "tests/support/wx_print.h"

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

TEST(CheckBoxValue, OnlyExactTrueAndFalseCarryAState)
{
    EXPECT_EQ("True", CheckBoxText(true));
    EXPECT_EQ("False", CheckBoxText(false));
    EXPECT_EQ(std::optional<bool>(true), CheckBoxState("True"));
    EXPECT_EQ(std::optional<bool>(false), CheckBoxState("False"));
    for (const char* odd : {"true", "FALSE", "yes", "1", "", " True", "True "})
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
    EXPECT_EQ("5", RoundsForField("3"));
    EXPECT_EQ("3", RoundsForField("2"));
    EXPECT_EQ("1", RoundsForField("1"));
    for (int n = 1; n <= 99; ++n)
    {
        const wxString saved = RoundsForFile(wxString::Format("%d", n));
        EXPECT_EQ(saved, RoundsForFile(RoundsForField(saved))) << n;
    }
    // Anything that is not a positive whole number goes into the field as it stands.
    for (const char* other : {"0", "", "-2", " 3", "+3", "3x", "abc", "12345678901"})
        EXPECT_EQ(other, RoundsForField(other)) << other;
}

TEST(RoundsValue, NineDigitsAreReadBackAndLongerNumbersGoInAsTheyStand)
{
    // 2r - 1 of the largest nine-digit number still fits the field's 32-bit reading.
    EXPECT_EQ("1999999997", RoundsForField("999999999"));
    EXPECT_EQ("999999999", RoundsForFile("1999999997"));
    EXPECT_EQ("1000000000", RoundsForField("1000000000"));
}
