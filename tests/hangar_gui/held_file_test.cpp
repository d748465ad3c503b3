// Saves on Windows while another program holds the settings file without sharing it.

#include "tests/hangar_gui/launcher_fixture.h"

#include <windows.h>
#include <wx/filename.h>

namespace
{
class HeldFileTest : public LauncherTest
{
};

// The helper program that holds a file, built beside the test programs.
wxString FileHolder()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return wxFileName(self).GetPath() + "\\file_holder.exe";
}

// Another program holding a file for a while; the object waits until it has the file open, and
// at its end until it has let go.
class HeldFile
{
public:
    HeldFile(const wxString& path, int milliseconds, const wxString& marker)
    {
        wxString command =
            wxString::Format("\"%s\" \"%s\" %d \"%s\"", FileHolder(), path, milliseconds, marker);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(nullptr, command.wchar_str(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &startup, &process));
        CloseHandle(process.hThread);
        m_process = process.hProcess;
        EXPECT_TRUE(WaitFor([&] { return wxFileExists(marker); }, 10000));
    }
    ~HeldFile() { LetGo(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    void LetGo()
    {
        if (!m_process)
            return;
        WaitForSingleObject(m_process, 20000);
        CloseHandle(m_process);
        m_process = nullptr;
    }

private:
    HANDLE m_process = nullptr;
};

// The system's words for a sharing violation, as a message quotes them.
wxString SharingViolationText()
{
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_SHARING_VIOLATION, 0, text, 512, nullptr);
    return wxString(text).Trim().BeforeLast('.');
}
} // namespace

TEST_F(HeldFileTest, ASaveWaitsForAFileHeldForAMomentAndThenGivesUpWithTheSystemsReason)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), "[DedicatedServer.DedicatedServer]\r\n"
                                                      "Username=op\r\nPassword=pw\r\n"
                                                      "RotationList=Kestrel\r\n"));
    StartLauncher();
    const wxString marker = Home() + "/held";
    Basic()->m_gameName->SetValue("Held a moment");
    {
        HeldFile held(DefaultSettingsPath(), 500, marker);
        EXPECT_TRUE(m_frame->SaveSettings());
    }
    EXPECT_EQ("Held a moment", StoredValue(DefaultSettingsPath(), "GameName"));

    wxRemoveFile(marker);
    const std::string before = ReadFileBytes(DefaultSettingsPath());
    Basic()->m_gameName->SetValue("Held too long");
    HeldFile held(DefaultSettingsPath(), 5000, marker);
    ShownMessage question;
    ShownMessage failure;
    bool saved = true;
    wxTEST_DIALOG(saved = m_frame->SaveSettings(), ExpectMessageBox(wxID_YES, &question),
                  ExpectMessageBox(wxID_OK, &failure));
    held.LetGo();
    const wxString reason = SharingViolationText();
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(wxNOT_FOUND, question.m_message.Find(reason)) << question.m_message;
    EXPECT_FALSE(question.m_message.StartsWith("The file TROVDedicatedServer.ini has changed"));
    EXPECT_NE(wxNOT_FOUND, failure.m_message.Find(reason)) << failure.m_message;
    EXPECT_FALSE(saved);
    EXPECT_EQ(before, ReadFileBytes(DefaultSettingsPath()));
    EXPECT_TRUE(m_frame->IsModified());
}
