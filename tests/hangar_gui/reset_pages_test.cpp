// "Reset to Defaults" on the Advanced and Miscellaneous pages.

#include "tests/hangar_gui/pages_fixture.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

class ResetPageTest : public PagesTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ResetPageTest, RestoresExactlyItsPageAndMarksTheDocumentModified)
{
    const int page = GetParam();
    StartWithNewDocument();
    const auto defaults = SectionValues(m_frame);
    for (const auto& entry : m_frame->GetSection().m_controls)
        ChangeControl(entry.second);
    const auto changed = SectionValues(m_frame);
    for (const auto& [key, value] : defaults)
        ASSERT_NE(value, changed.at(key)) << key;
    ASSERT_FALSE(m_frame->IsModified()); // changed silently, as a load does

    ResetPage(m_frame, page);

    const auto after = SectionValues(m_frame);
    for (const auto& [key, control] : m_frame->GetSection().m_controls)
    {
        const bool onPage = PageOf(m_frame, control) == page;
        EXPECT_EQ(onPage ? defaults.at(key) : changed.at(key), after.at(key)) << key;
    }
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_TRUE(StatusText().EndsWith("*"));
}

INSTANTIATE_TEST_SUITE_P(Pages, ResetPageTest, ::testing::Values(kAdvancedPage, kMiscPage),
                         [](const ::testing::TestParamInfo<int>& info)
                         { return info.param == kAdvancedPage ? "Advanced" : "Miscellaneous"; });

TEST_F(MiscPageTest, ResetGivesTheKillerTimeFieldBackWithItsBox)
{
    StartLauncher();
    MiscTab* page = Misc();
    ClickCheckBox(page->m_showWhoKilledMe);
    ASSERT_FALSE(page->m_showWhoKilledMeTime->IsEnabled());

    ResetPage(m_frame, kMiscPage);
    EXPECT_TRUE(page->m_showWhoKilledMe->GetValue());
    EXPECT_TRUE(page->m_showWhoKilledMeTime->IsEnabled());
    EXPECT_EQ("2", page->m_showWhoKilledMeTime->GetValue());
}
