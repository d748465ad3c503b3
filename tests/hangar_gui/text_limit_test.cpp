#include "hangar/pages/text_limit.h"
#include "tests/support/gui_helpers.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

namespace
{
class TextLimitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "limits");
        m_frame->Show();
    }
    void TearDown() override { m_frame->Destroy(); }

    wxTextCtrl* MakeField(long style, std::size_t limit)
    {
        wxTextCtrl* field =
            new wxTextCtrl(m_frame, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, style);
        LimitTextLength(field, limit);
        return field;
    }

    wxFrame* m_frame = nullptr;
};

void Paste(wxTextCtrl* field, const wxString& text)
{
    if (wxTheClipboard->Open())
    {
        wxTheClipboard->SetData(new wxTextDataObject(text));
        wxTheClipboard->Close();
    }
    wxClipboardTextEvent event(wxEVT_TEXT_PASTE, field->GetId());
    event.SetEventObject(field);
    if (field->GetEventHandler()->ProcessEvent(event))
        return; // handled by the limit
    field->WriteText(text);
}
} // namespace

TEST_F(TextLimitTest, MultiLineTypingStopsAtTheLimitAndKeepsLines)
{
    wxTextCtrl* field = MakeField(wxTE_MULTILINE, 8);
    EXPECT_EQ(5, TypeText(field, "ab\ncd"));
    EXPECT_EQ(3, TypeText(field, "efghij"));
    EXPECT_EQ("ab\ncdefg", field->GetValue());
    // Deleting and navigating still work on a full field.
    EXPECT_TRUE(TypeChar(field, WXK_BACK));
    EXPECT_TRUE(TypeChar(field, WXK_LEFT));
    // A character typed over a selection replaces it and fits.
    field->SetSelection(0, 2);
    EXPECT_TRUE(TypeChar(field, 'Z'));
    EXPECT_EQ("Z\ncdefg", field->GetValue());
}

TEST_F(TextLimitTest, MultiLinePasteInsertsOnlyWhatFitsWithoutCuttingExistingText)
{
    wxTextCtrl* field = MakeField(wxTE_MULTILINE, 10);
    field->ChangeValue("1234567");
    field->SetInsertionPoint(3);
    Paste(field, "abcdef");
    Flush();
    EXPECT_EQ("123abc4567", field->GetValue());
}

// Line breaks count as the one character they are in the value, also where the control gives
// them two positions (Windows): the Welcome Message's 512.
TEST_F(TextLimitTest, MultiLineLimitCountsEachLineBreakOnce)
{
    wxTextCtrl* field = MakeField(wxTE_MULTILINE, 512);
    field->ChangeValue("ab\ncd\nef");
    field->SelectAll();
    EXPECT_TRUE(TypeChar(field, 'Z'));
    EXPECT_EQ("Z", field->GetValue());

    wxString text;
    for (int line = 0; line < 56; ++line)
        text += "abcdefgh\n";
    field->ChangeValue(text + "123456"); // 510 characters
    // "efgh\nabcdefgh\nabcd" (18 characters) replaced by the 20 that fit of what is pasted.
    field->SetSelection(field->XYToPosition(4, 0), field->XYToPosition(4, 2));
    Paste(field, "0123456789\n0123456789\n");
    Flush();
    const wxString expected = "abcd0123456789\n012345678efgh\n" + text.Mid(27) + "123456";
    EXPECT_EQ(expected, field->GetValue());
    EXPECT_EQ(512u, field->GetValue().length());
    field->SetInsertionPointEnd();
    EXPECT_FALSE(TypeChar(field, 'x'));
    EXPECT_FALSE(TypeChar(field, WXK_RETURN));
    EXPECT_EQ(expected, field->GetValue());
}

TEST_F(TextLimitTest, SingleLineUsesTheToolkitLimit)
{
    wxTextCtrl* field = MakeField(0, 4);
    field->SetValue("abcdefg");
    EXPECT_LE(field->GetValue().length(), 4u);
}

TEST_F(TextLimitTest, LongerTextSetByTheProgramIsCutAtTheLimit)
{
    wxTextCtrl* field = MakeField(wxTE_MULTILINE, 6);
    field->SetValue("abcdefghij");
    Flush(); // a multi-line field is cut once the change is done
    EXPECT_EQ("abcdef", field->GetValue());
}

// Text dropped in or put in by an input method arrives without a key: a full field keeps what it
// holds, whole, and one with room takes the start of the text that fits, where it is inserted.
TEST_F(TextLimitTest, TextArrivingOtherThanByTypingKeepsWhatTheFieldHolds)
{
    struct Cell
    {
        long m_style;
        const char* m_before;
        long m_at;
        const char* m_arriving;
        const char* m_after;
    };
    const Cell cells[] = {
        {0, "abcd", 0, "X", "abcd"},
        {0, "abcd", 2, "XY", "abcd"},
        {0, "abcd", 4, "X", "abcd"},
        {0, "ab", 1, "XYZ", "aXYb"},
        {wxTE_MULTILINE, "ab\nd", 0, "X", "ab\nd"},
        {wxTE_MULTILINE, "ab", 2, "XYZ", "abXY"},
    };
    std::cout << "[ table    ] " << std::size(cells) << " cells\n";
    for (const Cell& cell : cells)
    {
        wxTextCtrl* field = MakeField(cell.m_style, 4);
        EXPECT_EQ(static_cast<int>(strlen(cell.m_before)), TypeText(field, cell.m_before));
        field->SetInsertionPoint(cell.m_at);
        field->WriteText(cell.m_arriving); // as a drop or an input method inserts it
        Flush();
        EXPECT_EQ(cell.m_after, field->GetValue()) << cell.m_before << " + " << cell.m_arriving;
        field->Destroy();
    }
}
