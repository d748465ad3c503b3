// The value of each kind of control in the settings file, on controls of the test's own.

#include "hangar/control_values.h"
#include "hangar/core/settings_file.h"
#include "tests/support/gui_helpers.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace
{
class ControlValuesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = new wxFrame(nullptr, wxID_ANY, "controls");
        m_text = new wxTextCtrl(m_window, wxID_ANY, "typed");
        m_box = new wxCheckBox(m_window, wxID_ANY, "box");
        const wxString items[] = {"Alpha", "Bravo", "Alpha"};
        m_choice = new wxChoice(m_window, wxID_ANY, wxDefaultPosition, wxDefaultSize, 3, items);
        m_list = new wxListBox(m_window, wxID_ANY);
        m_button = new wxButton(m_window, wxID_ANY, "button");
    }
    void TearDown() override { m_window->Destroy(); }

    // Loads every control from the group G of text.
    void LoadAll(const wxString& text)
    {
        SettingsConfig config = ConfigFromText("[G]\n" + text);
        config->SetPath("/G");
        for (const auto& [key, control] : Controls())
            LoadValue(key, control, *config);
    }

    std::vector<std::pair<wxString, wxWindow*>> Controls() const
    {
        return {{"Text", m_text},
                {"Box", m_box},
                {"Choice", m_choice},
                {"List", m_list},
                {"Button", m_button}};
    }

    wxFrame* m_window = nullptr;
    wxTextCtrl* m_text = nullptr;
    wxCheckBox* m_box = nullptr;
    wxChoice* m_choice = nullptr;
    wxListBox* m_list = nullptr;
    wxButton* m_button = nullptr;
};
} // namespace

TEST_F(ControlValuesTest, EachKindSavesItsOwnText)
{
    EXPECT_EQ("typed", SavedValue("Text", m_text));
    EXPECT_EQ("False", SavedValue("Box", m_box));
    m_box->SetValue(true);
    EXPECT_EQ("True", SavedValue("Box", m_box));
    EXPECT_EQ("", SavedValue("Choice", m_choice)); // nothing selected
    m_choice->SetSelection(1);
    EXPECT_EQ("Bravo", SavedValue("Choice", m_choice));
    EXPECT_EQ("", SavedValue("List", m_list));
    m_list->Append("One");
    m_list->Append("");
    m_list->Append("Three");
    EXPECT_EQ("One,,Three", SavedValue("List", m_list));
    EXPECT_EQ("One,,Three", SavedValue("RotationList", m_list));
    EXPECT_EQ("", SavedValue("Button", m_button));
    m_text->ChangeValue("6");
    EXPECT_EQ("4", SavedValue("Rounds", m_text));
}

TEST_F(ControlValuesTest, EachKindReadsItsOwnRule)
{
    m_box->SetValue(true);
    m_choice->SetSelection(1);
    LoadAll("Text=stored\nBox=False\nChoice=Alpha\nList=a,,b,\nButton=pressed\n");
    EXPECT_EQ("stored", m_text->GetValue());
    EXPECT_FALSE(m_box->GetValue());
    EXPECT_EQ(2, m_choice->GetSelection()); // the last equal item
    EXPECT_EQ(3u, m_choice->GetCount());
    EXPECT_EQ(3u, m_list->GetCount());
    EXPECT_EQ("button", m_button->GetLabel());

    // A list box appends to what it holds; the page empties it before a load.
    LoadAll("List=c\n");
    EXPECT_EQ(4u, m_list->GetCount());

    // A choice text no item equals (case counts) is kept: added after the items and selected.
    LoadAll("Choice=alpha\n");
    EXPECT_EQ(3, m_choice->GetSelection());
    EXPECT_EQ("alpha", m_choice->GetStringSelection());
}

TEST_F(ControlValuesTest, UnusableOrMissingValuesLeaveTheControlAlone)
{
    m_box->SetValue(true);
    m_choice->SetSelection(1);
    for (const char* odd : {"Box=yes\n", "Box=2\n", "Box=\n", ""})
    {
        LoadAll(wxString(odd) + "Choice=\n");
        EXPECT_TRUE(m_box->GetValue()) << odd;
        EXPECT_EQ(1, m_choice->GetSelection()) << odd;
    }
    LoadAll("Other=1\n");
    EXPECT_EQ("typed", m_text->GetValue());
    EXPECT_TRUE(m_list->IsEmpty());
    LoadAll("Text=\n");
    EXPECT_EQ("", m_text->GetValue()); // an empty stored text is a value like any other
}

TEST_F(ControlValuesTest, ALimitedFieldTakesTheStartOfALongerValue)
{
    // The toolkit would take nothing at all, and the next save would write the field empty.
    m_text->SetMaxLength(5);
    LoadAll("Text=abcdefgh\n");
    EXPECT_EQ("abcde", m_text->GetValue());
    LoadAll("Text=abc\n");
    EXPECT_EQ("abc", m_text->GetValue());
}
