#pragma once

#include <cstddef>
#include <string>
#include <wx/string.h>

// Whole-file reading and crash-safe replacing of the launcher's own files. Both return 0, or the
// errno of the step that failed (ENOENT for a missing file). Only regular files are read or
// replaced: a folder gives EISDIR, any other kind of file (a named pipe, a device) EINVAL.
// Each system has its implementation in the platform layer (hangar/platform/<system>).

// The largest file the launcher reads, far above any real settings or list file (a few KB).
constexpr std::size_t kMaxReadFileSize = 64 * 1024 * 1024;

// Reads a regular file of at most kMaxReadFileSize bytes; a larger one gives EFBIG and is not
// read. Nothing else is opened: a named pipe, a device or a folder is recognised beforehand.
int ReadWholeFile(const wxString& path, std::string* bytes);

// Replaces the file at path with bytes so that, whatever moment the process or the machine stops,
// the path holds either the old content or the new one, whole: the bytes go to a temporary file
// in the same folder, are flushed to disk, and the temporary file is renamed over the old one. On
// failure the old file is untouched and the temporary file is removed.
// POSIX: a new file is readable by its owner only (0600); a replaced file keeps its permissions
// (and its owner where the process may keep it). A symbolic link stays a link: the file it points
// at is replaced.
// Windows: the file gets the permissions the folder gives new files, replaced or not.
int WriteFileAtomically(const wxString& path, const std::string& bytes);
