#pragma once

// What the launcher needs of the operating system. Each system has its own implementation in a
// folder of its own (platform/linux, ...), chosen by the build.

#include <wx/string.h>

// The user's documents folder, or empty text when the system cannot tell.
wxString PlatformDocumentsFolder();

// Starts `program`, a file in `folder`, with `argument` as its one and only argument (blanks and
// all) and `folder` as its working directory. The program runs detached: in a session of its own
// and not as a child of the caller, so nothing is left to reap and no link to it remains. A
// Windows program (a file starting with "MZ") that the system cannot run itself is started
// through the `wine` found on PATH, with the same argument and folder.
// Returns true when the program runs; otherwise false with `*failureCode` set to a LaunchCode
// (hangar/core/launch_error.h). Failures to find, open or execute the file are known on return.
bool PlatformStartDetached(const wxString& folder, const wxString& program,
                           const wxString& argument, int* failureCode);
