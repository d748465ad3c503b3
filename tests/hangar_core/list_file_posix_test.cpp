#include "hangar/core/list_file.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/filename.h>

TEST(ListFile, AMissingFileIsCreatedReadableByItsOwnerOnly)
{
    TempHome home;
    const wxString folder = home.Path() + "/a/b/Config";
    OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", {{"Kestrel", "MP_Kestrel_P"}});
    struct stat info = {};
    ASSERT_EQ(0, stat((folder + "/TROVMaps.ini").utf8_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 0777u);
}

TEST(ListFile, ALinkToAMissingFileIsNamedAndLeftAlone)
{
    TempHome home;
    const wxString folder = home.Path() + "/Config";
    ASSERT_TRUE(wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    const wxString link = folder + "/TROVMaps.ini";
    ASSERT_EQ(0, symlink("elsewhere.ini", link.utf8_str()));
    ListFile list = OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", {{"Kestrel", "MP_K"}});
    EXPECT_TRUE(list.m_problem.Contains(link)) << list.m_problem;
    EXPECT_TRUE(list.m_problem.Contains("A link to a missing file")) << list.m_problem;
    EXPECT_EQ(1u, list.m_names.size());
    struct stat info = {};
    ASSERT_EQ(0, lstat(link.utf8_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_FALSE(wxFileName::Exists(folder + "/elsewhere.ini"));
}
