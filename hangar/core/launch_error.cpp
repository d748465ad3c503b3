#include "hangar/core/launch_error.h"

#include <cerrno>

const wxString kServerExecutable = "TROVServer.exe";

wxString LaunchReasonText(int code)
{
    switch (code)
    {
    case LaunchCode::OutOfResources:
        return "The operating system is out of memory or resources.";
    case LaunchCode::FileNotFound:
        return "The specified file was not found.";
    case LaunchCode::PathNotFound:
        return "The specified path was not found.";
    case LaunchCode::AccessDenied:
        return "The operating system denied access to the specified file.";
    case LaunchCode::BadFormat:
        return "The .exe file is invalid (non-Microsoft Win32 .exe or error in .exe image).";
    case LaunchCode::SharingViolation:
        return "A sharing violation occurred.";
    case LaunchCode::AssociationIncomplete:
        return "The file name association is incomplete or invalid.";
    case LaunchCode::DdeTimeout:
        return "The DDE transaction could not be completed because the request timed out.";
    case LaunchCode::DdeFailed:
        return "The DDE transaction failed.";
    case LaunchCode::DdeBusy:
        return "The Dynamic Data Exchange (DDE) transaction could not be completed because other "
               "DDE transactions were being processed.";
    case LaunchCode::NoAssociation:
        return "There is no application associated with the given file name extension. This "
               "error will also be returned if you attempt to print a file that is not "
               "printable.";
    case LaunchCode::DllNotFound:
        return "The specified DLL was not found.";
    default:
        return wxString();
    }
}

wxString LaunchFailureMessage(int code)
{
    return "Attempting to launch " + kServerExecutable + "...\n" + LaunchReasonText(code);
}

int LaunchCodeFromErrno(int error)
{
    switch (error)
    {
    case ENOENT:
        return LaunchCode::FileNotFound;
    case ENOTDIR:
        return LaunchCode::PathNotFound;
    case EACCES:
    case EPERM:
        return LaunchCode::AccessDenied;
    case ENOEXEC:
        return LaunchCode::BadFormat;
    case ETXTBSY:
        return LaunchCode::SharingViolation;
    case ENOMEM:
    case EAGAIN:
        return LaunchCode::OutOfResources;
    default:
        return LaunchCode::Unlisted;
    }
}
