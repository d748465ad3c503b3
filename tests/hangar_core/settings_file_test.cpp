#include "hangar/core/settings_file.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/utils.h>

namespace
{
wxString Read(wxFileConfig& config, const wxString& key)
{
    wxString value = "<missing>";
    config.Read(key, &value);
    return value;
}
} // namespace

TEST(SettingsText, Utf8IsReadAsUtf8WithoutItsByteOrderMark)
{
    EXPECT_EQ(wxString::FromUTF8("Caf\xC3\xA9 \xE2\x82\xAC\n"),
              DecodeSettingsText("Caf\xC3\xA9 \xE2\x82\xAC\n"));
    EXPECT_EQ("[G]\n", DecodeSettingsText("\xEF\xBB\xBF[G]\n"));
    EXPECT_EQ("", DecodeSettingsText(""));
}

TEST(SettingsText, TextThatIsNotUtf8KeepsEveryByteAsOneCharacter)
{
    // "é" as Latin-1 and a stray continuation byte: one character per byte, nothing dropped.
    const wxString text = DecodeSettingsText("GameName=Caf\xE9\n; \x80 note\n");
    EXPECT_EQ(wxString(L"GameName=Caf\u00E9\n; \u0080 note\n"), text);
}

TEST(SettingsText, AByteOrderMarkAloneIsAnEmptyFile)
{
    // Nothing of the mark may come back as a line of its own on the next save.
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
    {
        EXPECT_EQ(wxString(), DecodeSettingsText(mark));
        SettingsConfig config = ConfigFromText(DecodeSettingsText(mark));
        config->Write("/G/k", "v");
        EXPECT_EQ(InNativeLines("[G]\nk=v\n"), SettingsFileBytes(*config));
    }
}

TEST(SettingsText, Utf16WithItsMarkIsDecodedAndNulIsDropped)
{
    const std::string utf16("\xFF\xFEG\0=\0x\0\n\0", 10);
    EXPECT_EQ("G=x\n", DecodeSettingsText(utf16));
    EXPECT_EQ("ab\ncd", DecodeSettingsText(std::string("a\0b\ncd", 6)));
}

TEST(SettingsConfig, ForeignLinesSurviveAndOnlyChangedEntriesAreRewritten)
{
    const wxString original = "; written by hand\n"
                              "[Other]\n"
                              "Keep=me\n"
                              "\n"
                              "not an entry\n"
                              "=no name\n"
                              "[DedicatedServer.DedicatedServer]\n"
                              "# a comment\n"
                              "gamename=Old\n"
                              "Unknown=value ; with # signs\n";
    SettingsConfig config = ConfigFromText(original);
    config->SetPath("/DedicatedServer.DedicatedServer");
    EXPECT_EQ("Old", Read(*config, "GameName")); // names match as the toolkit matches them
    config->Write("GameName", "New\tname");
    config->Write("Rounds", " 3");
    EXPECT_EQ(InNativeLines("; written by hand\n"
                            "[Other]\n"
                            "Keep=me\n"
                            "\n"
                            "not an entry\n"
                            "=no name\n"
                            "[DedicatedServer.DedicatedServer]\n"
                            "# a comment\n"
                            "gamename=New\\tname\n"
                            "Unknown=value ; with # signs\n"
                            "Rounds=\" 3\"\n"),
              SettingsFileBytes(*config));
}

TEST(SettingsConfig, EveryEmptyLineComesBackOnceWhateverTheLineEnds)
{
    // An empty first line, and Windows and old Mac line ends: no empty line is lost or added.
    for (const char* text :
         {"\n[G]\nk=v\n\nj=w\n", "\r\n[G]\r\nk=v\r\n\r\nj=w\r\n", "\r[G]\rk=v\r\rj=w\r"})
    {
        SettingsConfig config = ConfigFromText(text);
        EXPECT_EQ(InNativeLines("\n[G]\nk=v\n\nj=w\n"), SettingsFileBytes(*config)) << text;
    }
}

TEST(SettingsConfig, ValuesAreReadAsStoredWithoutEnvironmentExpansion)
{
    wxSetEnv("HANGAR_TEST_WORD", "expanded");
    SettingsConfig config = ConfigFromText("[G]\nPassword=pa$HANGAR_TEST_WORD\nPath=${HOME}\\x\n");
    config->SetPath("/G");
    EXPECT_EQ("pa$HANGAR_TEST_WORD", Read(*config, "Password"));
    config->Write("Password", "a$HOME\\b");
    SettingsConfig again = ConfigFromText(wxString::FromUTF8(SettingsFileBytes(*config)));
    again->SetPath("/G");
    EXPECT_EQ("a$HOME\\b", Read(*again, "Password"));
    wxUnsetEnv("HANGAR_TEST_WORD");
}

TEST(SettingsConfig, AFileThatIsNotUtf8IsWrittenBackWholeAsUtf8)
{
    SettingsConfig config = ConfigFromText(DecodeSettingsText("; Caf\xE9\n[G]\nk=\xFC\n"));
    config->SetPath("/G");
    config->Write("n", "1");
    EXPECT_EQ(InNativeLines("; Caf\xC3\xA9\n[G]\nk=\xC3\xBC\nn=1\n"), SettingsFileBytes(*config));
}

TEST(SettingsConfig, ReadingTellsMissingFromUnreadable)
{
    TempHome home;
    SettingsRead missing = ReadSettingsFile(home.Path() + "/none.ini");
    EXPECT_EQ(0, missing.m_readError);
    ASSERT_TRUE(missing.m_config);

    SettingsRead folder = ReadSettingsFile(home.Path());
    EXPECT_EQ(EISDIR, folder.m_readError);
    ASSERT_TRUE(folder.m_config);

    ASSERT_TRUE(WriteFileBytes(home.Path() + "/s.ini", "[G]\nk=v\n"));
    SettingsRead read = ReadSettingsFile(home.Path() + "/s.ini");
    EXPECT_EQ(0, read.m_readError);
    read.m_config->SetPath("/G");
    EXPECT_EQ("v", Read(*read.m_config, "k"));
}

TEST(SettingsConfig, AnInstalledConfigurationLeavesTheGlobalSlotWhenDeleted)
{
    SettingsConfig config = ConfigFromText("");
    wxConfigBase::Set(config.get());
    config.reset();
    EXPECT_EQ(nullptr, wxConfigBase::Get(false));
}

TEST(SettingsMessages, NameTheFileAndTheReason)
{
    // In the system's words: on Windows its own, not the C runtime's.
    const wxString text = SaveErrorText("/x/y.ini", ENOTDIR);
    EXPECT_NE(wxNOT_FOUND, text.Find("/x/y.ini"));
    EXPECT_NE(wxNOT_FOUND, text.Find(SystemErrorText(ENOTDIR)));
    EXPECT_NE(wxNOT_FOUND,
              SaveErrorText("/x/y.ini", EACCES).Find(SystemWords(AccessDeniedError())));
    EXPECT_NE(wxNOT_FOUND, UnreadFileText("/x/y.ini", EISDIR).Find(SystemErrorText(EISDIR)));
}
