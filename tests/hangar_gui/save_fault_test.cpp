// Saves whose system calls fail, seen from the main window: the message, a document that stays
// modified and a Launch! that starts nothing; a file that cannot be read again before a save; a
// settings folder that cannot exist.

#include "hangar/core/safe_file.h"
#include "tests/hangar_gui/launcher_fixture.h"
#include "tests/support/file_faults.h"

#include <cstdio>

namespace
{
class SaveFaultWindowTest : public LauncherTest
{
};

const std::string kSaved = "[DedicatedServer.DedicatedServer]\nUsername=op\nPassword=pw\n"
                           "RotationList=Kestrel\n";
} // namespace

TEST_F(SaveFaultWindowTest, EveryCallOfTheSaveFailingKeepsTheDocumentModifiedAndLaunchesNothing)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), kSaved));
    StartLauncher();
    // A save reads the file first, to see whether it has changed: those calls are not the
    // writer's (a failure there asks a question, which the next test answers).
    size_t readCalls = 0;
    {
        FileFault count;
        std::string bytes;
        ReadWholeFile(DefaultSettingsPath(), &bytes);
        readCalls = count.Calls().size();
    }
    std::vector<FileCall> calls;
    {
        Basic()->m_gameName->SetValue("Counted");
        FileFault count;
        ASSERT_TRUE(m_frame->SaveSettings());
        calls = count.Calls();
    }
    ASSERT_GT(calls.size(), readCalls);
    std::printf("launch fault table: %zu calls x 1 error\n", calls.size() - readCalls);
    const wxString path = NativePath(DefaultSettingsPath());
    for (size_t index = readCalls; index < calls.size(); ++index)
    {
        SCOPED_TRACE(
            wxString::Format("call %zu (%s)", index, FileCallName(calls[index])).utf8_string());
        const std::string before = ReadFileBytes(DefaultSettingsPath());
        const wxString name = wxString::Format("Cell %zu", index);
        Basic()->m_gameName->SetValue(name);
        ShownMessage shown;
        {
            FileFault fault(FileFault::AtIndex(index, DiskFullError()));
            wxTEST_DIALOG(ClickButton(FindButton(m_frame, FrameId::Launch)),
                          ExpectMessageBox(wxID_OK, &shown));
        }
        // No server in the start folder: a launch after a save says it could not start one.
        const bool launched = shown.m_message.StartsWith("Attempting to launch");
        if (ReadFileBytes(DefaultSettingsPath()) == before)
        {
            EXPECT_FALSE(launched) << shown.m_message;
            EXPECT_TRUE(m_frame->IsModified());
            EXPECT_TRUE(shown.m_message.Contains("\"" + path + "\"")) << shown.m_message;
            EXPECT_TRUE(shown.m_message.Contains(SystemWords(DiskFullError()))) << shown.m_message;
        }
        else
        {
            EXPECT_EQ(name, StoredValue(DefaultSettingsPath(), "GameName"));
            EXPECT_TRUE(launched) << shown.m_message;
            EXPECT_FALSE(m_frame->IsModified());
        }
    }
}

TEST_F(SaveFaultWindowTest, AFileThatCannotBeReadAgainIsReplacedOnlyAfterAsking)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), kSaved));
    StartLauncher();
    Basic()->m_gameName->SetValue("Changed");
    // The file was read at start; now the system refuses to open it.
    const auto firstOpenDenied = []
    {
        return [done = false](size_t, FileCall call) mutable
        {
            const bool first = call == FileCall::Open && !done;
            done = done || first;
            return first ? AccessDeniedError() : 0;
        };
    };
    for (const int answer : {wxID_NO, wxID_YES})
    {
        ShownMessage question;
        bool saved = false;
        {
            FileFault fault(firstOpenDenied());
            wxTEST_DIALOG(saved = m_frame->SaveSettings(), ExpectMessageBox(answer, &question));
        }
        EXPECT_TRUE(question.m_message.StartsWith(
            "The file TROVDedicatedServer.ini could not be read to see whether it has changed"))
            << question.m_message;
        EXPECT_TRUE(question.m_message.Contains(SystemWords(AccessDeniedError())))
            << question.m_message;
        EXPECT_EQ(answer == wxID_YES, saved);
        EXPECT_EQ(answer == wxID_NO, m_frame->IsModified());
        EXPECT_EQ(answer == wxID_YES ? std::optional<wxString>("Changed") : std::nullopt,
                  StoredValue(DefaultSettingsPath(), "GameName"));
    }
}

TEST_F(SaveFaultWindowTest, ASettingsFolderThatCannotExistStartsUntitledAndLaunchAsksWhereToSave)
{
    ASSERT_TRUE(WriteFileBytes(Home() + "/ZE Zavov", "a plain file where a folder belongs"));
    ShownMessage shown;
    wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_TRUE(shown.m_message.Contains("is not a folder")) << shown.m_message; // the list files
    EXPECT_FALSE(shown.m_message.Contains("settings could not be read")) << shown.m_message;
    EXPECT_EQ("Untitled", StatusText());
    EXPECT_TRUE(m_frame->GetFilePath().empty());

    FillRequired();
    ShownFileDialog dialog;
    wxTEST_DIALOG(ClickButton(FindButton(m_frame, FrameId::Launch)),
                  ExpectFileDialog(&dialog, wxString(), wxID_CANCEL));
    EXPECT_EQ("Save File As", dialog.m_message);
    EXPECT_TRUE(m_frame->IsModified());
}
