#pragma once

#include <cstddef>
#include <string>
#include <wx/string.h>

// Whole-file reading and crash-safe replacing of the launcher's own files. Both return 0, or the
// errno of the step that failed (ENOENT for a missing file; on Windows the errno value that stands
// for the Win32 error), or one of the launcher's own codes below; ClassifyFileError
// (file_error.h) tells what it means. Every system call they make goes through the hand that
// file_calls.h gives tests. Only regular files are read or replaced: a folder gives EISDIR, any
// other kind of file (a named pipe, a device) EINVAL. On failure, `reason` (when given) receives
// the system's own words for it: strerror on POSIX, the system's message for the Win32 error on
// Windows; it is left empty for the launcher's own codes. Each system has its implementation in the
// platform layer (hangar/platform/<system>).

// The file to replace is marked read-only: its owner's write bit is clear (POSIX, judged from the
// mode, so it holds for a privileged process too) or it has the read-only attribute (Windows).
constexpr int kReadOnlyFile = -1;
// The path is a symbolic link whose file does not exist. Nothing is read, and the link is not
// replaced by a file of its own.
constexpr int kDanglingLink = -2;
// A folder of the path cannot be searched (POSIX): whether the file is there cannot be told, and
// nothing can be read or written there.
constexpr int kFolderNotSearchable = -3;

// A temporary copy (temporary_name.h) this much older than its last write was left by a write
// that was killed: one in flight is written to, or renamed, within seconds.
constexpr int kAbandonedTemporaryMinutes = 10;

// The largest file the launcher reads, far above any real settings or list file (a few KB).
constexpr std::size_t kMaxReadFileSize = 64 * 1024 * 1024;

// Reads a regular file of at most kMaxReadFileSize bytes; a larger one gives EFBIG and is not
// read. Nothing else is opened: a named pipe, a device or a folder is recognised beforehand.
// A link to a missing file gives ENOENT, as a missing file does (IsDanglingLink tells them apart).
// Windows: a file another program holds without sharing is tried again for about two seconds.
int ReadWholeFile(const wxString& path, std::string* bytes, wxString* reason = nullptr);

// True when path is a symbolic link (on Windows, any reparse point) whose target does not exist.
bool IsDanglingLink(const wxString& path);

// Replaces the file at path with bytes so that, whatever moment the process or the machine stops,
// the path holds either the old content or the new one, whole: the bytes go to a temporary file
// in the same folder (named as temporary_name.h says), are flushed to disk, and the temporary file
// is renamed over the old one. On failure the old file is untouched and the temporary file is
// removed. The temporary copies of the same file that earlier writes left behind when they were
// killed are removed first: only regular files of this user with the writer's own names, last
// written more than kAbandonedTemporaryMinutes ago, so that another launcher's write in flight
// is never touched; nothing else in the folder is. A read-only file is not replaced
// (kReadOnlyFile), nor a link to a missing file (kDanglingLink).
// POSIX: the temporary file is readable by its owner only (0600) while it is written; a new file
// stays so, a replaced file gets its permissions (and its owner where the process may keep it)
// just before it takes its place. A symbolic link stays a link: the file it points at is replaced.
// Windows: the file gets the permissions the folder gives new files, replaced or not. A file that
// another program holds (a sharing or lock violation, or access denied to a move over a file that
// is held) is tried again for about two seconds before the write gives up; nothing else is tried
// again. The temporary path is no longer than the file's own path or the system's limit on paths.
int WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* reason = nullptr);

// Creates the folder at path (its parent must exist; POSIX: mode 0777 before the umask). 0 when
// it was made or someone else made it meanwhile, otherwise the error, with the system's words in
// *reason when asked for.
int MakeOneFolder(const wxString& path, wxString* reason = nullptr);
