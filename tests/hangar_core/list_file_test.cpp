#include "hangar/core/list_file.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/filename.h>

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

TEST(ListFile, WhatTheSystemRefusesIsNamedWithItsWordsAndNoListFileIsOverwritten)
{
    TempHome home;
    const wxString folder = home.SettingsFolder();
    const wxString path = folder + "/TROVMaps.ini";
    const wxString denied = SystemWords(AccessDeniedError());
    const auto problem = [&](std::function<unsigned long(size_t, FileCall)> decide)
    {
        FileFault fault(std::move(decide));
        ListFile list = OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", kDefaults);
        EXPECT_EQ((std::vector<wxString>{"Kestrel", "BurningFarm", "Glacier"}),
                  Names(list.m_names));
        return list.m_problem;
    };
    const auto protectionNamed = [](const wxString& message)
    { return message.Contains("Controlled folder access"); };

    // The settings folder cannot be made.
    wxString message = problem(FileFault::Every(FileCall::MakeFolder, AccessDeniedError()));
    EXPECT_TRUE(message.Contains(denied)) << message;
    EXPECT_EQ(DocumentsMayBeProtected(), protectionNamed(message)) << message;
    EXPECT_FALSE(wxDirExists(folder));

    // The missing list file cannot be made in it.
    ASSERT_TRUE(wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    message = problem(FileFault::Every(FileCall::Open, AccessDeniedError()));
    EXPECT_TRUE(message.Contains(NativePath(path)) && message.Contains(denied)) << message;
    EXPECT_EQ(DocumentsMayBeProtected(), protectionNamed(message)) << message;
    EXPECT_FALSE(wxFileExists(path));

    // An existing list file that cannot be opened for reading is left as it is, not rewritten
    // with the built-in entries.
    const std::string original = "[TROVGame.Maps]\nZephyr=MP_Z\n";
    ASSERT_TRUE(WriteFileBytes(path, original));
    bool failed = false;
    message = problem(
        [&](size_t, FileCall call)
        {
            const bool first = call == FileCall::Open && !failed;
            failed = failed || first;
            return first ? AccessDeniedError() : 0;
        });
    EXPECT_TRUE(message.Contains(NativePath(path)) && message.Contains(denied)) << message;
    EXPECT_EQ(original, ReadFileBytes(path));
}
