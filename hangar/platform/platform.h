#pragma once

// What the launcher needs of the operating system. Each system has its own implementation in a
// folder of its own (platform/linux, platform/windows), chosen by the build. The crash-safe file
// reading and writing (hangar/core/safe_file.h) is implemented there too.

#include <wx/string.h>

// The text of entry `id` of the launcher's string table (resources/string_table.inc), or empty
// text when the table has no such entry. On Windows the table is the program's STRINGTABLE
// resource, generated from the same file.
wxString PlatformLoadString(int id);

// The user's documents folder, or empty text when the system cannot tell.
wxString PlatformDocumentsFolder();

// Starts `program`, a file in `folder`, with `argument` as its one and only argument (blanks,
// quotes and all) and `folder` as its working directory, showing its normal window. The program
// runs detached: the launcher keeps no link to it and has nothing to wait for.
// Returns true when the program runs; otherwise false with `*failureCode` set to a LaunchCode
// (hangar/core/launch_error.h). Failures to find, open or execute the file are known on return.
//
// On Linux the program runs in a session of its own, not as a child of the caller; a Windows
// program (a file starting with "MZ") that the system cannot run itself is started through the
// `wine` found on PATH, with the same argument and folder. On Windows the shell starts it
// (ShellExecuteW) by its full path, so no other copy of the program is found in its place, and
// its result is the failure code.
bool PlatformStartDetached(const wxString& folder, const wxString& program,
                           const wxString& argument, int* failureCode);
