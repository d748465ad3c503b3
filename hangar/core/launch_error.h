#pragma once

#include <wx/string.h>

// The server executable the Launch button starts, a bare name looked up in the start folder.
extern const wxString kServerExecutable;

// Why a server start failed. The numbers are those the launcher has always shown its reasons by;
// a code without an entry here (for instance Unlisted) has no reason text.
namespace LaunchCode
{
enum : int
{
    OutOfResources = 0,
    Unlisted = 1,
    FileNotFound = 2,
    PathNotFound = 3,
    AccessDenied = 5,
    BadFormat = 11,
    SharingViolation = 26,
    AssociationIncomplete = 27,
    DdeTimeout = 28,
    DdeFailed = 29,
    DdeBusy = 30,
    NoAssociation = 31,
    DllNotFound = 32,
};
}

// The reason text of a failure code; empty text for a code the table does not hold.
wxString LaunchReasonText(int code);

// The whole message shown after a failed start: "Attempting to launch TROVServer.exe...\n"
// followed by the reason text of `code` (nothing follows for a code without one).
wxString LaunchFailureMessage(int code);

// The failure code for an errno value reported by the system when starting a program.
int LaunchCodeFromErrno(int error);
