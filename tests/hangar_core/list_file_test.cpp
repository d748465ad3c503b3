#include "hangar/core/list_file.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/fileconf.h>

namespace
{
const ListEntries kDefaults = {
    {"Kestrel", "MP_Kestrel_P"}, {"BurningFarm", "MP_BF_P"}, {"Glacier", "MP_Gla_P"}};

std::vector<wxString> Names(const wxArrayString& names)
{
    return std::vector<wxString>(names.begin(), names.end());
}
} // namespace

TEST(ListFileOrder, FollowsTheLinesOfTheGroupOnly)
{
    const wxString ini = "; maps\n[Other]\nZulu=1\n[trovgame.maps]\n  Tideline = MP_Tid_P\n"
                         "# comment\nAlpha=MP_A\r\nTideline=again\n[Next]\nBravo=2\n";
    EXPECT_EQ((std::vector<wxString>{"Tideline", "Alpha"}),
              EntryNamesInFileOrder(ini, "TROVGame.Maps"));
    EXPECT_TRUE(EntryNamesInFileOrder(ini, "Missing").empty());
}

TEST(ListFileOrder, NamesTheFileDoesNotShowKeepTheirPlaceAfterTheOthers)
{
    wxArrayString sorted;
    for (const char* n : {"Alpha", "Bravo", "Charlie"})
        sorted.Add(n);
    EXPECT_EQ((std::vector<wxString>{"Charlie", "Alpha", "Bravo"}),
              Names(OrderByFile(sorted, {"Charlie", "Nobody", "Alpha"})));
}

TEST(ListFile, MissingFileIsCreatedWithTheDefaultsInOrder)
{
    TempHome home;
    const wxString folder = home.Path() + "/a/b/Config";
    ListFile list = OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", kDefaults);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "BurningFarm", "Glacier"}), Names(list.m_names));

    const std::string text = ReadFileBytes(folder + "/TROVMaps.ini");
    EXPECT_EQ(InNativeLines(
                  "[TROVGame.Maps]\nKestrel=MP_Kestrel_P\nBurningFarm=MP_BF_P\nGlacier=MP_Gla_P\n"),
              text);
}

TEST(ListFile, ExistingFileIsReadInItsOwnOrderAndNeverRewritten)
{
    TempHome home;
    const wxString folder = home.Path() + "/Config";
    const std::string original =
        "# hand edited\n[TROVGame.Maps]\nZephyr=MP_Z\nKestrel=MP_Kestrel_P\nAnvil=MP_A\n";
    ASSERT_TRUE(WriteFileBytes(folder + "/TROVMaps.ini", original));
    chmod((folder + "/TROVMaps.ini").utf8_str(), 0644);
    {
        ListFile list = OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", kDefaults);
        EXPECT_EQ((std::vector<wxString>{"Zephyr", "Kestrel", "Anvil"}), Names(list.m_names));
    }
    EXPECT_EQ(original, ReadFileBytes(folder + "/TROVMaps.ini"));
}

TEST(ListFile, AHandEditedFileKeepsItsNamesWhateverItsEncodingAndOddLines)
{
    TempHome home;
    const wxString folder = home.Path() + "/Config";
    const std::string original = "\xEF\xBB\xBF[TROVGame.Types]\nCapture\xE9=X\n=value\n"
                                 "[TROVGame.Types]\nTeamDeathmatch=Y\n";
    ASSERT_TRUE(WriteFileBytes(folder + "/TROVGameTypes.ini", original));
    ListFile list = OpenListFile(folder, "TROVGameTypes.ini", "TROVGame.Types", kDefaults);
    EXPECT_EQ((std::vector<wxString>{L"Capture\u00E9", "TeamDeathmatch"}), Names(list.m_names));
    EXPECT_EQ(original, ReadFileBytes(folder + "/TROVGameTypes.ini"));
}

TEST(ListFile, ExistingFileWithoutTheGroupGetsNoDefaults)
{
    TempHome home;
    const wxString folder = home.Path() + "/Config";
    ASSERT_TRUE(WriteFileBytes(folder + "/TROVMaps.ini", "[Other]\nA=1\n"));
    ListFile list = OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", kDefaults);
    EXPECT_TRUE(list.m_names.empty());
    EXPECT_EQ("[Other]\nA=1\n", ReadFileBytes(folder + "/TROVMaps.ini"));
}
