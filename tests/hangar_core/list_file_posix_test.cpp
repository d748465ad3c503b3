#include "hangar/core/list_file.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>

TEST(ListFile, AMissingFileIsCreatedReadableByItsOwnerOnly)
{
    TempHome home;
    const wxString folder = home.Path() + "/a/b/Config";
    OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", {{"Kestrel", "MP_Kestrel_P"}});
    struct stat info = {};
    ASSERT_EQ(0, stat((folder + "/TROVMaps.ini").utf8_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 0777u);
}

TEST(ListFile, ALinkToAMissingFileStaysALinkAndNothingIsMadeWhereItPoints)
{
    TempHome home;
    const wxString folder = home.Path() + "/Config";
    ASSERT_TRUE(wxMkdir(folder));
    const wxString path = folder + "/TROVMaps.ini";
    ASSERT_EQ(0, symlink("gone.ini", path.utf8_str()));
    OpenListFile(folder, "TROVMaps.ini", "TROVGame.Maps", {{"Kestrel", "MP_Kestrel_P"}});
    struct stat info = {};
    ASSERT_EQ(0, lstat(path.utf8_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_FALSE(wxFileExists(folder + "/gone.ini"));
}
