#include "hangar/hangar_frame.h"
#include "hangar/pages/range_validator.h"
#include "tests/support/expect_message.h"
#include "tests/support/gui_helpers.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

namespace
{
class RangeValidatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_validatorText)
            g_validatorText = new wxString;
        m_frame = new wxFrame(nullptr, wxID_ANY, "validator");
        m_frame->Show();
    }
    void TearDown() override { m_frame->Destroy(); }

    wxTextCtrl* Field(int minValue, int maxValue, wxString* buffer = g_validatorText)
    {
        wxTextCtrl* field = new wxTextCtrl(m_frame, wxID_ANY);
        field->SetValidator(RangeValidator(minValue, maxValue, buffer));
        return field;
    }

    static RangeValidator* ValidatorOf(wxWindow* window)
    {
        return dynamic_cast<RangeValidator*>(window->GetValidator());
    }

    wxFrame* m_frame = nullptr;
};
} // namespace

TEST_F(RangeValidatorTest, SmallRangeFromAnEmptyField)
{
    wxTextCtrl* field = Field(1, 30);
    EXPECT_FALSE(TypeChar(field, '0')); // 0 can never reach 1
    EXPECT_TRUE(TypeChar(field, '3'));
    EXPECT_FALSE(TypeChar(field, '5')); // 35 > 30
    EXPECT_TRUE(TypeChar(field, '0'));
    EXPECT_EQ("30", field->GetValue());
    EXPECT_FALSE(TypeChar(field, '0'));
}

TEST_F(RangeValidatorTest, PortRangeTypedToItsMaximum)
{
    wxTextCtrl* field = Field(1024, 65530);
    EXPECT_EQ(5, TypeText(field, "65530"));
    EXPECT_FALSE(TypeChar(field, '0')); // 655300
    EXPECT_EQ("65530", field->GetValue());

    field->ChangeValue("");
    EXPECT_EQ(4, TypeText(field, "6553"));
    EXPECT_FALSE(TypeChar(field, '1')); // 65531
    EXPECT_EQ("6553", field->GetValue());
}

TEST_F(RangeValidatorTest, DigitOverASelectionIsJudgedOnTheReplacedText)
{
    wxTextCtrl* field = Field(1, 200);
    field->ChangeValue("123");
    field->SetSelection(1, 2);
    EXPECT_TRUE(TypeChar(field, '9')); // 193
    EXPECT_EQ("193", field->GetValue());

    wxTextCtrl* narrow = Field(1, 150);
    narrow->ChangeValue("123");
    narrow->SetSelection(1, 2);
    EXPECT_FALSE(TypeChar(narrow, '9')); // 193 > 150
    EXPECT_EQ("123", narrow->GetValue());

    // Without a selection the digit goes in at the insertion point.
    narrow->SetInsertionPoint(0);
    EXPECT_FALSE(TypeChar(narrow, '9')); // 9123
    narrow->SetInsertionPoint(3);
    EXPECT_FALSE(TypeChar(narrow, '0')); // 1230
}

TEST_F(RangeValidatorTest, SignsLettersAndForeignCharactersAreRefused)
{
    wxTextCtrl* field = Field(1, 3600);
    EXPECT_FALSE(TypeChar(field, '-'));
    EXPECT_EQ(0, TypeText(field, "aZ +."));
    EXPECT_FALSE(TypeChar(field, WXK_NONE, 0x20AC)); // the euro sign comes without a key code
    EXPECT_FALSE(TypeChar(field, 0xE9, 0xE9));       // e acute
    EXPECT_FALSE(TypeChar(field, WXK_NONE, 0x0663)); // an Arabic-Indic digit three
    EXPECT_EQ("", field->GetValue());
    field->ChangeValue("12");
    field->SetInsertionPoint(1);
    EXPECT_FALSE(TypeChar(field, '-'));
}

TEST_F(RangeValidatorTest, EditingAndNavigationKeysAlwaysPass)
{
    wxTextCtrl* field = Field(1, 30);
    field->ChangeValue("30");
    for (int key : {int(WXK_BACK), int(WXK_DELETE), int(WXK_LEFT), int(WXK_RIGHT), int(WXK_UP),
                    int(WXK_DOWN), int(WXK_HOME), int(WXK_END), int(WXK_TAB), int(WXK_RETURN),
                    22 /* Ctrl+V */, 3 /* Ctrl+C */, 24 /* Ctrl+X */, int(WXK_F1)})
    {
        wxKeyEvent event(wxEVT_CHAR);
        event.SetEventObject(field);
        event.m_keyCode = key;
        event.m_uniChar = key < WXK_START ? key : WXK_NONE;
        field->GetEventHandler()->ProcessEvent(event);
        EXPECT_TRUE(event.GetSkipped()) << "key " << key;
    }
}

TEST_F(RangeValidatorTest, RealKeystrokesThroughTheSimulator)
{
    wxTextCtrl* field = Field(1, 12);
    field->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == field; }));
    wxUIActionSimulator simulator;
    simulator.Text("13a");
    EXPECT_TRUE(WaitFor([&] { return field->GetValue() == "1"; }, 2000));
    simulator.Char('2');
    EXPECT_TRUE(WaitFor([&] { return field->GetValue() == "12"; }, 2000));
    simulator.Char(WXK_BACK);
    EXPECT_TRUE(WaitFor([&] { return field->GetValue() == "1"; }, 2000));
}

TEST_F(RangeValidatorTest, ValidateReportsTooSmallAndTooBig)
{
    wxTextCtrl* field = Field(1024, 65530);
    RangeValidator* validator = ValidatorOf(field);
    ASSERT_NE(nullptr, validator);

    bool result = true;
    wxTEST_DIALOG(result = validator->Validate(nullptr),
                  ExpectMessageBox("value is too small", wxID_OK, wxMessageBoxCaptionStr, wxOK));
    EXPECT_FALSE(result);

    field->ChangeValue("65531");
    wxTEST_DIALOG(result = validator->Validate(nullptr),
                  ExpectMessageBox("value is too big", wxID_OK, wxMessageBoxCaptionStr, wxOK));
    EXPECT_FALSE(result);

    field->ChangeValue("13500");
    EXPECT_TRUE(validator->Validate(nullptr)); // no message box expected
}

TEST_F(RangeValidatorTest, TransfersAndClonesShareTheBuffer)
{
    wxString buffer = "42";
    wxTextCtrl* field = Field(1, 99, &buffer);
    RangeValidator* validator = ValidatorOf(field);
    ASSERT_NE(nullptr, validator);
    EXPECT_TRUE(validator->TransferToWindow());
    EXPECT_EQ("42", field->GetValue());
    field->ChangeValue("7");
    EXPECT_TRUE(validator->TransferFromWindow());
    EXPECT_EQ("7", buffer);

    std::unique_ptr<RangeValidator> copy(static_cast<RangeValidator*>(validator->Clone()));
    EXPECT_EQ(field, copy->GetWindow());
    EXPECT_TRUE(copy->CheckValidator());
    EXPECT_EQ(1, copy->CheckRange("100", true));
    field->ChangeValue("9");
    EXPECT_TRUE(copy->TransferFromWindow());
    EXPECT_EQ("9", buffer);
}

TEST_F(RangeValidatorTest, AnUnusableValidatorFiltersNothingAndValidatesNothing)
{
    wxTextCtrl* noBuffer = Field(1, 30, nullptr);
    wxTextCtrl* inverted = Field(30, 1);
    wxCheckBox* box = new wxCheckBox(m_frame, wxID_ANY, "box");
    box->SetValidator(RangeValidator(1, 30, g_validatorText));

    for (wxTextCtrl* field : {noBuffer, inverted})
    {
        EXPECT_EQ(4, TypeText(field, "ab-9"));
        RangeValidator* validator = ValidatorOf(field);
        EXPECT_FALSE(validator->CheckValidator());
        EXPECT_FALSE(validator->Validate(nullptr)); // no message box expected
        EXPECT_FALSE(validator->TransferToWindow());
        EXPECT_FALSE(validator->TransferFromWindow());
    }
    EXPECT_FALSE(ValidatorOf(box)->CheckValidator());
    EXPECT_FALSE(ValidatorOf(box)->Validate(nullptr));
}
