// Settings files that are not what the launcher writes: the load ends, nothing crashes, and the
// defaults stand wherever the file offers nothing usable.

#include "tests/hangar_gui/launcher_fixture.h"

#include <random>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>

namespace
{
class BadInputTest : public LauncherTest
{
protected:
    // Starts the launcher on content as its default settings file; the load must end.
    void StartWith(const std::string& content)
    {
        ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), content));
        StartLauncher();
        ASSERT_FALSE(m_frame->IsModified());
        EXPECT_EQ("TROVDedicatedServer.ini", StatusText());
    }

    void ExpectDefaults()
    {
        BasicTab* basic = Basic();
        EXPECT_EQ("Nameless Battle", basic->m_gameName->GetValue());
        EXPECT_EQ(0, basic->m_gameType->GetSelection());
        EXPECT_EQ("8", basic->m_maxPlayers->GetValue());
        EXPECT_EQ("1", basic->m_rounds->GetValue());
        EXPECT_EQ("10", basic->m_timeLimit->GetValue());
        EXPECT_TRUE(basic->m_welcomeMessage->IsEmpty());
        EXPECT_TRUE(Rotation()->IsEmpty());
    }
};

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    return bytes;
}
} // namespace

TEST_F(BadInputTest, AnEmptyFileGivesTheDefaults)
{
    StartWith("");
    ExpectDefaults();
}

TEST_F(BadInputTest, BinaryGarbageGivesTheDefaults)
{
    StartWith(RandomBytes(64 * 1024, 1));
    ExpectDefaults();
}

TEST_F(BadInputTest, InvalidUtf8KeepsWhatIsUsable)
{
    StartWith("[DedicatedServer.DedicatedServer]\n"
              "GameName=Z\xFCrich \xC3\x28 Open\n"
              "MaxPlayers=\xFF\xFE\n"
              "GameType=TeamDeathmatch\xA0\n"
              "RotationList=K\xE9strel,Glacier\n");
    EXPECT_EQ(wxString(L"Z\u00FCrich \u00C3( Open"), Basic()->m_gameName->GetValue());
    EXPECT_EQ(wxString(L"\u00FF\u00FE"), Basic()->m_maxPlayers->GetValue());
    EXPECT_EQ(wxString(L"TeamDeathmatch\u00A0"), Basic()->m_gameType->GetStringSelection());
    EXPECT_EQ((std::vector<wxString>{L"K\u00E9strel", "Glacier"}), Items(Rotation()));
}

// The toolkit reads a settings file from memory into a buffer that grows 1 KB at a time. glibc
// grows a large block in place; AddressSanitizer's allocator copies it at every step, so there a
// 10 MB file takes 30 s to two minutes (half of it in the system, moving pages) instead of 1 s.
// The bound is wall time, window and all: 6 s on an idle machine and 9 s under Wine, up to twice
// that while other tests load both cores.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kTenMegabyteLoadMs = 240000;
#else
constexpr long kTenMegabyteLoadMs = 25000;
#endif

TEST_F(BadInputTest, ATenMegabyteFileLoadsInReasonableTime)
{
    std::string content = "[DedicatedServer.DedicatedServer]\nGameName=Big\n";
    const std::string comment = "; " + std::string(78, 'c') + "\n";
    while (content.size() < 10u * 1024 * 1024)
        content += comment;
    content += "TimeLimit=30\n";
    wxStopWatch watch;
    StartWith(content);
    EXPECT_LT(watch.Time(), kTenMegabyteLoadMs);
    EXPECT_EQ("Big", Basic()->m_gameName->GetValue());
    EXPECT_EQ("30", Basic()->m_timeLimit->GetValue());
}

TEST_F(BadInputTest, VeryLongLinesLoadWholeEvenWhereFieldsHaveLimits)
{
    const std::string longText(512 * 1024, 'x');
    StartWith("[DedicatedServer.DedicatedServer]\n"
              "GameName=" +
              longText +
              "\n"
              "WelcomeMessage=" +
              longText +
              "\n"
              "GameType=" +
              longText +
              "\n"
              "RotationList=" +
              std::string(5000, ',') +
              "\n"
              "[" +
              longText +
              "]\n"
              "Rounds=" +
              longText + "\n");
    EXPECT_GT(Basic()->m_gameName->GetValue().length(), 65000u); // all a GTK entry holds
    EXPECT_EQ(longText.size(), Basic()->m_welcomeMessage->GetValue().length());
    EXPECT_EQ(longText.size(), Basic()->m_gameType->GetStringSelection().length());
    EXPECT_EQ(5000u, Rotation()->GetCount());      // every comma ends an (empty) piece
    EXPECT_EQ("1", Basic()->m_rounds->GetValue()); // that line is in another group
}

TEST_F(BadInputTest, ListFilesThatCannotBeReadGiveTheBuiltInListsAndOneMessage)
{
    // A file where the settings folder's parent belongs: no list can be read or written.
    const wxString vendor = Home() + "/ZE Zavov";
    ASSERT_TRUE(WriteFileBytes(vendor, "not a folder"));
    ShownMessage shown;
    wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_EQ(1, shown.m_count);
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(NativePath(vendor) + "\" is not a folder"))
        << shown.m_message;
    EXPECT_EQ(3u, Basic()->m_gameType->GetCount());
    EXPECT_EQ(6u, m_frame->GetMapRotationTab()->m_mapList->GetCount());
    EXPECT_EQ("not a folder", ReadFileBytes(vendor));
    CloseLauncher();

    // A folder where the game-type list belongs: that file alone is named; the stored type stays.
    ASSERT_TRUE(wxRemoveFile(vendor));
    ASSERT_TRUE(
        wxFileName::Mkdir(SettingsFolder() + "/TROVGameTypes.ini", 0700, wxPATH_MKDIR_FULL));
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), "[DedicatedServer.DedicatedServer]\n"
                                                      "GameType=TeamDeathmatchSkydrop\n"));
    wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_EQ(2, shown.m_count);
    EXPECT_NE(wxNOT_FOUND,
              shown.m_message.Find(NativePath(SettingsFolder() + "/TROVGameTypes.ini")))
        << shown.m_message;
    EXPECT_EQ(wxNOT_FOUND, shown.m_message.Find("TROVMaps.ini")) << shown.m_message;
    EXPECT_EQ(2, Basic()->m_gameType->GetSelection()); // among the three built-in types
    FillRequired();
    ASSERT_TRUE(m_frame->SaveSettings());
    EXPECT_EQ(wxString("TeamDeathmatchSkydrop"), StoredValue(DefaultSettingsPath(), "GameType"));
}
