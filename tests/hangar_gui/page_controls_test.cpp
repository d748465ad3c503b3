// Which control carries which setting key on the Advanced and Miscellaneous pages: window id,
// label, group and default; the kinds and length limits of the text fields.

#include "tests/hangar_gui/pages_fixture.h"

#include <vector>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace
{
struct Expected
{
    const char* key;
    int id;
    const wchar_t* label; // a check box's own label, or the caption before a field
    const wchar_t* group;
    const char* value; // the default, as the settings file writes it
};

const wchar_t* const kPunkBusterGroup = L"PunkBuster\u2122";
const wchar_t* const kPre = L"Pre-Spawn Delay Time (by type)";
const wchar_t* const kPost = L"Post-Spawn Delay Time (by type)";

// Without the PunkBuster program beside the start folder.
const std::vector<Expected> kAdvanced = {
    {"PunkBuster", 9, L"  Enable PunkBuster\u2122", kPunkBusterGroup, "False"},
    {"FriendlyFire", 6, L"  Friendly Fire", L"Weapons", "True"},
    {"WeaponTracers", 18, L"  Tracers", L"Weapons", "True"},
    {"Upgrades", 19, L"  Upgrades", L"Weapons", "True"},
    {"DisableAutoRifleClass", 3, L"  Disable Auto Rifle Class", L"Weapons", "False"},
    {"DisableRifleClass", 1, L"  Disable Rifle Class", L"Weapons", "False"},
    {"DisableSMGClass", 2, L"  Disable SMG Class", L"Weapons", "False"},
    {"DisableSniperClass", 4, L"  Disable Sniper Rifle Class", L"Weapons", "False"},
    {"DisableRocketClass", 5, L"  Disable Rocket Class", L"Weapons", "False"},
    {"AmmoDrop", 0, L"  Enable Ammo Drop", L"", "True"},
    {"HealthDrop", 7, L"  Enable Health Drop", L"", "True"},
    {"WeaponDrop", 17, L"  Enable Weapon Drop", L"", "True"},
    {"VoiceCommands", 16, L"  Enable Voice Commands", L"", "True"},
    {"Invincibility", 8, L"Invincibility Time:", L"Spawning", "0"},
    {"SpawnPreDelayAxis", 13, L"Axis:", kPre, "5"},
    {"SpawnPreDelayAllies", 14, L"Allies:", kPre, "5"},
    {"SpawnPreDelayNonSky", 15, L"Non-Skydrop Game:", kPre, "5"},
    {"SpawnPostDelayAxis", 10, L"Axis:", kPost, "1"},
    {"SpawnPostDelayAllies", 11, L"Allies:", kPost, "1"},
    {"SpawnPostDelayNonSky", 12, L"Non-Skydrop Game:", kPost, "1"},
};

const std::vector<Expected> kMisc = {
    {"AdditionalOptions", 0, L"Additional Options:", L"", ""},
    {"DebugOutput", 1, L"  Debug Output", L"Show Flags", "False"},
    {"RemotePassword", 2, L"Password:", L"Remote Administration", "vesta"},
    {"RemotePort", 3, L"Port:", L"Remote Administration", "13500"},
    {"ShowCompass", 4, L"  Show Compass", L"Show Flags", "True"},
    {"ShowCrosshairs", 5, L"  Show Crosshairs", L"Show Flags", "True"},
    {"ShowEnemyCompassDots", 6, L"  Show Enemy Compass Dots", L"Show Flags", "True"},
    {"ShowEnemyNames", 7, L"  Show Enemy Names", L"Show Flags", "True"},
    {"ShowFriendlyCompassDots", 8, L"  Show Friendly Compass Dots", L"Show Flags", "True"},
    {"ShowFriendlyNames", 9, L"  Show Friendly Names", L"Show Flags", "True"},
    {"ShowGrenadeIndicators", 10, L"  Show Grenade Indicators", L"Show Flags", "True"},
    {"ShowHealthBar", 11, L"  Show Health Bar", L"Show Flags", "True"},
    {"ShowHitIndicators", 12, L"  Show Hit Indicators", L"Show Flags", "True"},
    {"ShowHUD", 13, L"  Show HUD", L"Show Flags", "True"},
    {"ShowScoreAndTime", 14, L"  Show Score and Time", L"Show Flags", "True"},
    {"ShowStanceIndicator", 15, L"  Show Stance Indicator", L"Show Flags", "True"},
    {"ShowText", 16, L"  Show Message Window", L"Show Flags", "True"},
    {"ShowWhoKilledMe", 17, L"  Show Who Killed Me", L"Show Flags", "True"},
    {"ShowWhoKilledMeTime", 18, L"Show Killer Time:", L"Show Flags", "2"},
    {"TimeBetweenMatches", 19, L"Between Matches:", L"Wait Time", "30"},
    {"TimeBetweenRounds", 20, L"Between Rounds:", L"Wait Time", "15"},
};

int CountOnPage(HangarFrame* frame, int page)
{
    int count = 0;
    for (const auto& entry : frame->GetSection().m_controls)
        count += PageOf(frame, entry.second) == page ? 1 : 0;
    return count;
}

} // namespace

TEST_F(PagesTest, EveryKeyIsCarriedByItsControlWithLabelGroupAndDefault)
{
    StartLauncher();
    const std::pair<int, const std::vector<Expected>*> pages[] = {{kAdvancedPage, &kAdvanced},
                                                                  {kMiscPage, &kMisc}};
    for (const auto& [page, table] : pages)
    {
        SCOPED_TRACE(page == kAdvancedPage ? "Advanced page" : "Miscellaneous page");
        EXPECT_EQ(table->size(), static_cast<size_t>(CountOnPage(m_frame, page)));
        for (const Expected& expected : *table)
        {
            SCOPED_TRACE(expected.key);
            wxWindow* control = m_frame->GetSection().Find(expected.key);
            ASSERT_NE(nullptr, control);
            EXPECT_EQ(page, PageOf(m_frame, control));
            EXPECT_EQ(expected.id, control->GetId());
            if (dynamic_cast<wxCheckBox*>(control))
                EXPECT_EQ(wxString(expected.label), control->GetLabel());
            else
                EXPECT_EQ(wxString(expected.label), FieldCaption(control));
            EXPECT_EQ(wxString(expected.group), GroupCaption(control));
            EXPECT_EQ(wxString(expected.value), ControlValue(control));
            EXPECT_TRUE(control->IsEnabled() || wxString(expected.key) == "PunkBuster");
        }
    }
}

TEST_F(MiscPageTest, FieldKindsAndLengthLimits)
{
    StartLauncher();
    MiscTab* page = Misc();
    EXPECT_TRUE(page->m_remotePassword->HasFlag(wxTE_PASSWORD));
    EXPECT_TRUE(page->m_additionalOptions->IsMultiLine());

    page->m_remotePassword->Clear();
    TypeText(page->m_remotePassword, wxString('p', 70));
    EXPECT_EQ(64u, page->m_remotePassword->GetValue().length());

    page->m_additionalOptions->Clear();
    wxString options;
    for (int line = 0; line < 30; ++line)
        options += "-opt" + wxString::Format("%05d", line) + "\n"; // 10 characters a line
    EXPECT_EQ(256, TypeText(page->m_additionalOptions, options));
    EXPECT_EQ(options.Left(256), page->m_additionalOptions->GetValue());
}
