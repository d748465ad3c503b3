// The Win32 side of the launcher's platform layer, run for real: the string table resource, the
// shell's documents folder, starting the server through the shell, the crash-safe writer.

#include "hangar/core/documents_folder.h"
#include "hangar/core/launch_error.h"
#include "hangar/core/res_string.h"
#include "hangar/core/safe_file.h"
#include "hangar/platform/platform.h"
#include "resources/string_table.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <windows.h>

#include <cerrno>
#include <gtest/gtest.h>
#include <vector>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>
#include <wx/tokenzr.h>
#include <wx/utils.h>

namespace
{
// The stand-in server is built into a folder of its own below this program's, and copied beside
// this program, where the shell looks first for a bare program name.
wxString ThisProgramsFolder()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return wxFileName(self).GetPath();
}

wxString StandInServer()
{
    return ThisProgramsFolder() + "\\standin\\TROVServer.exe";
}

struct Record
{
    wxString folder;
    std::vector<wxString> args;
};

// Waits for the stand-in's record (it is written whole); false after ten seconds.
bool WaitForRecord(const wxString& path, Record* record)
{
    wxStopWatch watch;
    while (!wxFileExists(path))
    {
        if (watch.Time() > 10000)
            return false;
        wxMilliSleep(10);
    }
    wxStringTokenizer lines(wxString::FromUTF8(ReadFileBytes(path)), "\n");
    while (lines.HasMoreTokens())
    {
        const wxString line = lines.GetNextToken();
        if (line.StartsWith("folder="))
            record->folder = line.AfterFirst('=');
        else if (line.StartsWith("arg="))
            record->args.push_back(line.AfterFirst('='));
    }
    return true;
}

bool SameFolder(const wxString& a, const wxString& b)
{
    return wxFileName::DirName(a).SameAs(wxFileName::DirName(b));
}

// The start folder is named as a user's folder may be on Windows, in Latin, Greek and Japanese
// letters: only the system's wide calls reach it (the installer test runs the launcher with such a
// Documents folder).
const wxString kWorldName = L"Zo\u00eb \u03a9\u03bc\u03ad\u03b3\u03b1 \u691c\u8a3c";

class WindowsPlatformTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = MakeTempFolder("hangar-windows-");
        ASSERT_FALSE(m_root.empty());
        m_folder = m_root + "\\start folder " + kWorldName;
        ASSERT_TRUE(wxMkdir(m_folder));
    }
    void TearDown() override { RemoveTree(m_root); }

    wxString m_root;
    wxString m_folder;
};
} // namespace

TEST(WindowsStringTable, EveryEntryReadsBackThroughTheProgramsResource)
{
    int entries = 0;
    for (int id = 0; id < 1000; ++id)
    {
        const wchar_t* text = FindTableString(id);
        EXPECT_EQ(text ? wxString(text) : wxString(), PlatformLoadString(id)) << "string " << id;
        entries += text ? 1 : 0;
    }
    EXPECT_LT(80, entries);
    EXPECT_EQ(L"Iron Canopy\u2122 Dedicated Server Launcher",
              LoadResString(StringId::LauncherTitle));
}

TEST(WindowsDocumentsFolder, IsTheShellsFolderAndHoldsTheSettingsFolder)
{
    const wxString documents = GetDocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_TRUE(wxDirExists(documents)) << documents;
    EXPECT_TRUE(wxFileName(documents).IsAbsolute()) << documents;
    EXPECT_EQ(documents + "/ZE Zavov/Iron Canopy(tm)/Config", GetSettingsFolder());
}

TEST_F(WindowsPlatformTest, TheServerGetsTheFileNameAsOneArgumentAndRunsInTheStartFolder)
{
    ASSERT_TRUE(wxCopyFile(StandInServer(), m_folder + "\\TROVServer.exe")) << StandInServer();
    const wxString names[] = {"my settings file.ini", "say \"hi\" \\ there\\"};
    for (const wxString& name : names)
    {
        const wxString recordPath = m_root + "\\record.txt";
        if (wxFileExists(recordPath))
            wxRemoveFile(recordPath);
        wxSetEnv("IC_STANDIN_RECORD", recordPath);
        int code = -1;
        ASSERT_TRUE(PlatformStartDetached(m_folder, kServerExecutable, name, &code)) << code;
        Record record;
        ASSERT_TRUE(WaitForRecord(recordPath, &record)) << name;
        EXPECT_EQ(std::vector<wxString>{name}, record.args);
        EXPECT_TRUE(SameFolder(m_folder, record.folder)) << record.folder;
    }
}

TEST_F(WindowsPlatformTest, AMissingServerIsTheFileNotFoundFailureEvenWithOneBesideTheLauncher)
{
    ASSERT_TRUE(wxFileExists(ThisProgramsFolder() + "\\TROVServer.exe"));
    int code = -1;
    EXPECT_FALSE(
        PlatformStartDetached(m_folder, kServerExecutable, "TROVDedicatedServer.ini", &code));
    EXPECT_EQ(LaunchCode::FileNotFound, code);
    EXPECT_EQ("Attempting to launch TROVServer.exe...\nThe specified file was not found.",
              LaunchFailureMessage(code));
}

TEST_F(WindowsPlatformTest, TheSafeWriterReplacesAFileWholeAndLeavesNothingBeside)
{
    const wxString path = m_folder + "\\TROVDedicatedServer.ini";
    ASSERT_EQ(0, WriteFileAtomically(path, "old\r\n"));
    ASSERT_EQ(0, WriteFileAtomically(path, "[DedicatedServer.DedicatedServer]\nRounds=3\n"));
    std::string bytes;
    EXPECT_EQ(0, ReadWholeFile(path, &bytes));
    EXPECT_EQ("[DedicatedServer.DedicatedServer]\nRounds=3\n", bytes);
    wxArrayString files;
    wxDir::GetAllFiles(m_folder, &files);
    EXPECT_EQ(1u, files.size());

    // A file made read-only keeps its content and its attribute.
    ASSERT_TRUE(SetFileAttributesW(path.wc_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(kReadOnlyFile, WriteFileAtomically(path, "x"));
    EXPECT_EQ("[DedicatedServer.DedicatedServer]\nRounds=3\n", ReadFileBytes(path));
    EXPECT_TRUE(GetFileAttributesW(path.wc_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(path.wc_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(ENOENT, ReadWholeFile(m_folder + "\\missing.ini", &bytes));
    EXPECT_EQ(EISDIR, ReadWholeFile(m_folder, &bytes));
    EXPECT_EQ(EISDIR, WriteFileAtomically(m_folder, "x"));
    EXPECT_EQ(ENOENT, WriteFileAtomically(m_root + "\\no such folder\\a.ini", "x"));
}
