// A save with each of its system calls failing in turn, with each error the call can return; the
// writer's copies beside the file, and nobody else's files.

#include "hangar/core/file_error.h"
#include "hangar/core/safe_file.h"
#include "tests/support/file_faults.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <thread>
#include <wx/datetime.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace
{
const wxString kName = "TROVDedicatedServer.ini";
const std::string kOld = "[DedicatedServer.DedicatedServer]\nGameName=Old\n";
const std::string kNew = "[DedicatedServer.DedicatedServer]\nGameName=New\nPassword=pw\n";
// A copy that a write killed an hour ago left behind: the writer's to remove.
const wxString kAbandoned = "." + kName + ".hangar-k1ll3d";

using Contents = std::map<wxString, std::string>;

class SaveFaultTest : public ::testing::Test
{
protected:
    void SetUp() override { m_folder = MakeTempFolder("save-fault-"); }
    void TearDown() override { RemoveTree(m_folder); }

    wxString Path(const wxString& name = kName) const { return m_folder + "/" + name; }

    // Every file in the folder with its bytes.
    Contents Files() const
    {
        Contents files;
        wxDir dir(m_folder);
        wxString name;
        for (bool more = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN); more;
             more = dir.GetNext(&name))
            files[name] = ReadFileBytes(Path(name));
        return files;
    }

    void Age(const wxString& name) const
    {
        const wxDateTime past = wxDateTime::Now() - wxTimeSpan::Hours(1);
        ASSERT_TRUE(wxFileName(Path(name)).SetTimes(&past, &past, nullptr));
    }

    // The folder as a save finds it: the old file; the operator's backup and a sync tool's copy,
    // whose names look like copies of it; and a copy that a killed write left behind.
    void Prepare() const
    {
        for (const auto& [name, bytes] : Files())
            wxRemoveFile(Path(name));
        ASSERT_TRUE(WriteFileBytes(Path(), kOld));
        ASSERT_TRUE(WriteFileBytes(Path("." + kName + ".backup"), "the operator's backup"));
        ASSERT_TRUE(WriteFileBytes(Path("." + kName + ".Ab12Cd"), "a sync tool's copy"));
        ASSERT_TRUE(WriteFileBytes(Path(kAbandoned), "Password=left behind\n"));
        Age(kAbandoned);
    }

    // The files a save must leave exactly as they were.
    Contents Others() const
    {
        Contents files = Files();
        files.erase(kName);
        files.erase(kAbandoned);
        return files;
    }

    wxString m_folder;
};

// Makes the fault's calls on another thread wait at their first flush until released.
class HeldAtFlush
{
public:
    unsigned long Before(FileCall call)
    {
        if (call != FileCall::Flush)
            return 0;
        std::unique_lock<std::mutex> lock(m_mutex);
        m_flushing = true;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_released; });
        return 0;
    }
    bool WaitUntilFlushing()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(30), [&] { return m_flushing; });
    }
    void Release()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_flushing = false;
    bool m_released = false;
};
} // namespace

TEST_F(SaveFaultTest, EveryCallOfASaveFailingWithEachErrorKeepsTheOldFileOrWritesTheNewOne)
{
    Prepare();
    const Contents others = Others();
    std::vector<FileCall> calls;
    {
        FileFault count;
        ASSERT_EQ(0, WriteFileAtomically(Path(), kNew));
        calls = count.Calls();
    }
    ASSERT_EQ(kNew, ReadFileBytes(Path()));
    ASSERT_EQ(others, Others());                  // the operator's look-alikes stay
    ASSERT_FALSE(wxFileExists(Path(kAbandoned))); // the table reaches the clean-up's removal too

    const std::vector<InjectedError>& errors = ErrorsOfFileCalls();
    std::printf("save fault table: %zu calls x %zu errors = %zu cells\n", calls.size(),
                errors.size(), calls.size() * errors.size());
    for (size_t index = 0; index < calls.size(); ++index)
    {
        for (const InjectedError& error : errors)
        {
            SCOPED_TRACE(wxString::Format("call %zu (%s) failing with %s", index,
                                          FileCallName(calls[index]), error.m_name)
                             .utf8_string());
            Prepare();
            wxString reason;
            int result = 0;
            {
                FileFault fault(FileFault::AtIndex(index, error.m_code));
                result = WriteFileAtomically(Path(), kNew, &reason);
            }
            EXPECT_EQ(others, Others()); // nothing else touched, no copy left
            if (result == 0)
            {
                EXPECT_EQ(kNew, ReadFileBytes(Path()));
                continue;
            }
            EXPECT_EQ(kOld, ReadFileBytes(Path()));
            const wxString message = SaveErrorText(Path(), result, reason);
            EXPECT_TRUE(message.Contains("\"" + Path() + "\"")) << message;
            EXPECT_TRUE(message.Contains(SystemWords(error.m_code))) << message;
        }
    }
}

TEST_F(SaveFaultTest, ASecondSaveInFlightSurvivesTheFirstAndThenCompletes)
{
    Prepare();
    const std::string second = "[DedicatedServer.DedicatedServer]\nGameName=Second\n";
    HeldAtFlush held;
    int secondResult = -100;
    std::thread other(
        [&]
        {
            FileFault fault([&](size_t, FileCall call) { return held.Before(call); });
            secondResult = WriteFileAtomically(Path(), second);
        });
    ASSERT_TRUE(held.WaitUntilFlushing());
    EXPECT_EQ(0, WriteFileAtomically(Path(), kNew));
    EXPECT_EQ(kNew, ReadFileBytes(Path()));
    held.Release();
    other.join();
    EXPECT_EQ(0, secondResult);
    EXPECT_EQ(second, ReadFileBytes(Path()));
}

TEST_F(SaveFaultTest, OnlyAHeldFileIsWaitedForAndDeniedAccessIsNamedAtOnce)
{
    ASSERT_TRUE(WriteFileBytes(Path(), kOld));
    std::string bytes;
    wxString reason;
    const auto start = std::chrono::steady_clock::now();
    int error = 0;
    {
        FileFault fault(FileFault::Every(FileCall::Open, AccessDeniedError()));
        error = ReadWholeFile(Path(), &bytes, &reason);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(FileErrorClass::Denied, ClassifyFileError(error));
    EXPECT_EQ(SystemWords(AccessDeniedError()), reason);
}

TEST_F(SaveFaultTest, APathJustWithinTheSystemsLimitSaves)
{
    // The longest path without the long-path form on Windows is 259 characters: its copy must
    // fit too. Folders of 100 characters at most, as every system takes.
    wxString folder = m_folder;
    size_t left = 259 - kName.length() - 1 - folder.length();
    while (left > 0)
    {
        size_t part = std::min<size_t>(100, left - 1);
        if (left - 1 - part == 1)
            --part; // no folder of an empty name next
        folder += "/" + wxString('f', part);
        left -= 1 + part;
        ASSERT_TRUE(wxMkdir(folder)) << folder;
    }
    const wxString path = folder + "/" + kName;
    ASSERT_EQ(259u, path.length());
    EXPECT_EQ(0, WriteFileAtomically(path, kOld));
    EXPECT_EQ(0, WriteFileAtomically(path, kNew));
    EXPECT_EQ(kNew, ReadFileBytes(path));
}

TEST(FileErrorText, AccessDeniedInTheDocumentsFolderNamesTheSystemsProtectionWhereItHasOne)
{
    TempHome home;
    const wxString inDocuments = home.SettingsFolder() + "/" + kName;
    const wxString message = SaveErrorText(inDocuments, EACCES);
    EXPECT_TRUE(message.Contains(SystemWords(AccessDeniedError()))) << message;
    EXPECT_EQ(DocumentsMayBeProtected(), message.Contains("Controlled folder access")) << message;
    if (DocumentsMayBeProtected()) // the system's reason first
    {
        EXPECT_LT(message.Find(SystemWords(AccessDeniedError())), message.Find("Controlled"));
    }
    const wxString elsewhere = MakeTempFolder("elsewhere-");
    EXPECT_FALSE(SaveErrorText(elsewhere + "/" + kName, EACCES).Contains("Controlled"));
    RemoveTree(elsewhere);
}
