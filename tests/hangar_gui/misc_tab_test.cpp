// The Miscellaneous page: typing rules and the Show Killer Time field.

#include "tests/hangar_gui/pages_fixture.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

TEST_F(MiscPageTest, TypingKeepsTheNumbersInTheirRanges)
{
    StartLauncher();
    MiscTab* page = Misc();

    wxTextCtrl* port = page->m_remotePort;
    port->SetInsertionPointEnd();
    EXPECT_FALSE(TypeChar(port, '0')); // 135000 is above 65530
    EXPECT_FALSE(TypeChar(port, '1'));
    EXPECT_EQ("13500", port->GetValue());
    port->ChangeValue(wxEmptyString);
    EXPECT_FALSE(TypeChar(port, '0'));
    EXPECT_EQ(5, TypeText(port, "65530"));
    EXPECT_EQ("65530", port->GetValue());

    wxTextCtrl* killerTime = page->m_showWhoKilledMeTime;
    killerTime->ChangeValue(wxEmptyString);
    EXPECT_EQ(1, TypeText(killerTime, "31"));
    EXPECT_EQ("3", killerTime->GetValue());

    for (wxTextCtrl* field : {page->m_timeBetweenRounds, page->m_timeBetweenMatches})
    {
        field->ChangeValue(wxEmptyString);
        EXPECT_EQ(2, TypeText(field, "601"));
        EXPECT_TRUE(TypeChar(field, '0'));
        EXPECT_EQ("600", field->GetValue());
    }
}

TEST_F(MiscPageTest, UncheckingShowWhoKilledMeEmptiesAndDisablesTheKillerTime)
{
    StartWithNewDocument();
    MiscTab* page = Misc();

    ClickCheckBox(page->m_showWhoKilledMe);
    EXPECT_FALSE(page->m_showWhoKilledMeTime->IsEnabled());
    EXPECT_TRUE(page->m_showWhoKilledMeTime->IsEmpty());
    EXPECT_TRUE(m_frame->IsModified()); // through the emptied field

    ClickCheckBox(page->m_showWhoKilledMe);
    EXPECT_TRUE(page->m_showWhoKilledMeTime->IsEnabled());
    EXPECT_TRUE(page->m_showWhoKilledMeTime->IsEmpty());
}
