// The Advanced page: PunkBuster and the spawning times.

#include "tests/hangar_gui/pages_fixture.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace
{
void Retype(wxTextCtrl* field)
{
    field->ChangeValue(wxEmptyString);
    field->SetInsertionPointEnd();
}
} // namespace

TEST_F(AdvancedPageTest, PunkBusterBesideTheStartFolderIsCheckedAndEnabled)
{
    InstallPunkBuster();
    StartLauncher();
    wxCheckBox* box = Advanced()->m_punkBuster;
    EXPECT_TRUE(box->GetValue());
    EXPECT_TRUE(box->IsEnabled());

    ClickCheckBox(box);
    ResetPage(m_frame, kAdvancedPage);
    EXPECT_TRUE(box->GetValue());
    EXPECT_TRUE(box->IsEnabled());
}

TEST_F(AdvancedPageTest, WithoutPunkBusterTheBoxIsClearedAndDisabledForGood)
{
    StartLauncher();
    wxCheckBox* box = Advanced()->m_punkBuster;
    EXPECT_FALSE(box->GetValue());
    EXPECT_FALSE(box->IsEnabled());

    // Found at a later reset, the program checks the box, which stays disabled.
    InstallPunkBuster();
    ResetPage(m_frame, kAdvancedPage);
    EXPECT_TRUE(box->GetValue());
    EXPECT_FALSE(box->IsEnabled());
}

TEST_F(AdvancedPageTest, TypingKeepsTheSpawnTimesInTheirRanges)
{
    StartLauncher();
    AdvancedTab* page = Advanced();
    for (wxTextCtrl* field :
         {page->m_spawnPreDelayAxis, page->m_spawnPreDelayAllies, page->m_spawnPreDelayNonSky})
    {
        Retype(field);
        EXPECT_EQ(4, TypeText(field, "3600"));
        EXPECT_FALSE(TypeChar(field, '0'));
        EXPECT_EQ("3600", field->GetValue());
    }
    for (wxTextCtrl* field : {page->m_invincibility, page->m_spawnPostDelayAxis,
                              page->m_spawnPostDelayAllies, page->m_spawnPostDelayNonSky})
    {
        Retype(field);
        EXPECT_EQ(1, TypeText(field, "61"));
        EXPECT_EQ("6", field->GetValue());
        EXPECT_TRUE(TypeChar(field, '0'));
        EXPECT_EQ("60", field->GetValue());
    }
    for (wxTextCtrl* field :
         {page->m_invincibility, page->m_spawnPreDelayAxis, page->m_spawnPostDelayNonSky})
    {
        Retype(field);
        EXPECT_EQ(0, TypeText(field, "0a-"));
        EXPECT_TRUE(field->IsEmpty());
    }
}

TEST_F(AdvancedPageTest, ClickingAnyCheckBoxMarksTheDocumentModified)
{
    InstallPunkBuster(); // so that its box can be clicked too
    StartLauncher();
    int clicked = 0;
    for (const auto& [key, control] : m_frame->GetSection().m_controls)
    {
        const int page = PageOf(m_frame, control);
        wxCheckBox* box = dynamic_cast<wxCheckBox*>(control);
        if (!box || (page != kAdvancedPage && page != kMiscPage) || !box->IsEnabled())
            continue;
        NewDocument();
        ASSERT_FALSE(m_frame->IsModified()) << key;
        ClickCheckBox(box);
        ++clicked;
        EXPECT_TRUE(m_frame->IsModified()) << key;
        EXPECT_TRUE(StatusText().EndsWith("*")) << key;
    }
    EXPECT_EQ(13 + 15, clicked);
}
