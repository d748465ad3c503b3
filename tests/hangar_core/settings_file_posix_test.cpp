// What reading and dropping a settings configuration leaves behind, watched with inotify.

#include "hangar/core/settings_file.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/utils.h>

namespace
{
// Points TMPDIR at a fresh folder in the home while it lives, and watches that folder and the home
// for files created there.
class FileWatch
{
public:
    explicit FileWatch(const TempHome& home) : m_temp(home.Path() + "/tmp")
    {
        EXPECT_TRUE(wxMkdir(m_temp));
        m_hadTemp = wxGetEnv("TMPDIR", &m_oldTemp);
        wxSetEnv("TMPDIR", m_temp);
        for (const wxString& folder : {m_temp, home.Path()})
            EXPECT_LE(0, inotify_add_watch(m_watch, folder.utf8_str(), IN_CREATE)) << folder;
    }
    ~FileWatch()
    {
        close(m_watch);
        m_hadTemp ? wxSetEnv("TMPDIR", m_oldTemp) : wxUnsetEnv("TMPDIR");
    }

    // True when no file was created since the watch began or the last call.
    bool Quiet() const
    {
        char events[4096];
        return read(m_watch, events, sizeof events) < 0;
    }

private:
    const int m_watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    wxString m_temp;
    wxString m_oldTemp;
    bool m_hadTemp = false;
};
} // namespace

TEST(SettingsConfig, ReadingWritesNoCopyOfTheFileAnywhere)
{
    TempHome home;
    ASSERT_TRUE(WriteFileBytes(home.Path() + "/s.ini", "[G]\n\nPassword=secret\n"));
    const FileWatch watch(home);
    SettingsRead settings = ReadSettingsFile(home.Path() + "/s.ini");
    EXPECT_TRUE(watch.Quiet()) << "a file was created in the home or TMPDIR";
    EXPECT_EQ("[G]\n\nPassword=secret\n", SettingsFileBytes(*settings.m_config)); // empty line kept
}

TEST(SettingsConfig, AChangedConfigurationWritesNothingWhenDeleted)
{
    // Only the launcher's own save writes a settings file: the toolkit never flushes the
    // configuration behind it, not even when it is deleted after a change that was not saved.
    TempHome home;
    ASSERT_TRUE(WriteFileBytes(home.Path() + "/s.ini", "[G]\nPassword=secret\n"));
    const FileWatch watch(home);
    SettingsRead settings = ReadSettingsFile(home.Path() + "/s.ini");
    settings.m_config->Write("/G/Password", "changed");
    watch.Quiet(); // what reading writes is the business of the test above
    settings.m_config.reset();
    EXPECT_TRUE(watch.Quiet()) << "a file was created in the home or TMPDIR";
    EXPECT_EQ("[G]\nPassword=secret\n", ReadFileBytes(home.Path() + "/s.ini"));
}
