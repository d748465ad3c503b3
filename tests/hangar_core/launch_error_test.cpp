#include "hangar/core/launch_error.h"
#include "tests/support/wx_print.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(LaunchError, MessageIsTheFirstLineAndTheReasonOfTheCode)
{
    EXPECT_EQ("Attempting to launch TROVServer.exe...\nThe specified file was not found.",
              LaunchFailureMessage(LaunchCode::FileNotFound));
    EXPECT_EQ("Attempting to launch TROVServer.exe...\nThere is no application associated with "
              "the given file name extension. This error will also be returned if you attempt "
              "to print a file that is not printable.",
              LaunchFailureMessage(LaunchCode::NoAssociation));
    EXPECT_EQ("Attempting to launch TROVServer.exe...\nThe operating system is out of memory or "
              "resources.",
              LaunchFailureMessage(LaunchCode::OutOfResources));
}

TEST(LaunchError, EveryCodeOfTheTableHasItsReasonAndNoOtherCodeHasOne)
{
    const struct
    {
        int code;
        const char* reason;
    } table[] = {
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied access to the specified file."},
        {11, "The .exe file is invalid (non-Microsoft Win32 .exe or error in .exe image)."},
        {26, "A sharing violation occurred."},
        {27, "The file name association is incomplete or invalid."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The Dynamic Data Exchange (DDE) transaction could not be completed because other "
             "DDE transactions were being processed."},
        {31, "There is no application associated with the given file name extension. This error "
             "will also be returned if you attempt to print a file that is not printable."},
        {32, "The specified DLL was not found."},
    };
    int listed = 0;
    for (int code = -1; code <= 40; ++code)
    {
        wxString expected;
        for (const auto& row : table)
        {
            if (row.code == code)
                expected = row.reason;
        }
        listed += expected.empty() ? 0 : 1;
        EXPECT_EQ(expected, LaunchReasonText(code)) << "code " << code;
    }
    EXPECT_EQ(12, listed);
    // SE_ERR_OOM and the unlisted code get the first line alone.
    EXPECT_EQ("Attempting to launch TROVServer.exe...\n", LaunchFailureMessage(8));
    EXPECT_EQ("Attempting to launch TROVServer.exe...\n",
              LaunchFailureMessage(LaunchCode::Unlisted));
}

TEST(LaunchError, SystemErrorsMapOntoTheCodes)
{
    EXPECT_EQ(2, LaunchCodeFromErrno(ENOENT));
    EXPECT_EQ(3, LaunchCodeFromErrno(ENOTDIR));
    EXPECT_EQ(5, LaunchCodeFromErrno(EACCES));
    EXPECT_EQ(5, LaunchCodeFromErrno(EPERM));
    EXPECT_EQ(11, LaunchCodeFromErrno(ENOEXEC));
    EXPECT_EQ(26, LaunchCodeFromErrno(ETXTBSY));
    EXPECT_EQ(0, LaunchCodeFromErrno(ENOMEM));
    EXPECT_EQ(0, LaunchCodeFromErrno(EAGAIN));
    for (int other : {0, EIO, ELOOP, E2BIG, ENAMETOOLONG})
        EXPECT_TRUE(LaunchReasonText(LaunchCodeFromErrno(other)).empty()) << other;
}
