#pragma once

#include "hangar/core/file_error.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include <wx/string.h>

class wxConfigBase;
class wxFileConfig;

// Deletes a configuration, first taking it out of the toolkit's global slot (wxConfigBase::Set)
// when it is installed there, so that nothing is left pointing at it.
struct GlobalConfigDeleter
{
    void operator()(wxFileConfig* config) const;
};

// The configuration that holds a settings file's content in memory. It is read from the file by
// the launcher itself and written back only through SettingsFileBytes and WriteFileAtomically;
// the toolkit never flushes it on its own.
using SettingsConfig = std::unique_ptr<wxFileConfig, GlobalConfigDeleter>;

// The text of a settings file from its bytes, losing nothing (DecodeText: UTF-8 with stray bytes
// read as Latin-1, UTF-16 with or without its byte-order mark), written back as UTF-8. NUL
// characters are dropped: the toolkit's reader would end the text at the first.
wxString DecodeSettingsText(const std::string& bytes);

// A configuration holding text in the toolkit's ini syntax, with its ordinary escaping. Lines it
// cannot parse are kept as they stand; values are read as stored (no environment expansion).
SettingsConfig ConfigFromText(const wxString& text);

// What a settings file held when the launcher last read or wrote it, to tell whether something
// else has changed it since. Judged by content (size and a hash of the bytes), not by time stamps,
// so an edit in the same second that keeps the size is seen too.
struct DiskContent
{
    bool m_present = false; // false: there was no file
    std::size_t m_size = 0;
    std::size_t m_hash = 0;

    bool operator==(const DiskContent& other) const
    {
        return m_present == other.m_present && m_size == other.m_size && m_hash == other.m_hash;
    }
};

// The content of a file that holds these bytes.
DiskContent ContentOf(const std::string& bytes);

// What a save finds at the path of the file it is about to replace.
struct DiskCheck
{
    // The file now holds something other than what was read or written last: other bytes, or a
    // file where there was none. A file that has gone has not changed: writing it again loses
    // nothing.
    bool m_changed = false;
    // The file is there but could not be read (errno, with the system's words): whether it has
    // changed cannot be told.
    int m_readError = 0;
    wxString m_readReason;
};

DiskCheck CheckOnDisk(const wxString& path, const DiskContent& known);

struct SettingsRead
{
    SettingsConfig m_config;
    // 0 when the file was read or does not exist (or cannot: ClassifyFileError says Missing);
    // otherwise the errno that kept it from being read (EISDIR, EINVAL for another kind of file
    // that is not a regular one, EFBIG for one too large to be a settings file, ELOOP, EACCES,
    // kDanglingLink ...), and m_config is empty.
    int m_readError = 0;
    // The system's words for m_readError (empty for the launcher's own codes).
    wxString m_readReason;
    // False when nothing at all is at the path.
    bool m_exists = true;
    // What was read (nothing present when the file was missing or unreadable).
    DiskContent m_onDisk;
    // The keys of kSettingsGroup the file holds more than once; the configuration holds only the
    // first copy of each (DropLaterCopies).
    std::vector<wxString> m_duplicateKeys;
};

// The group of the settings file that holds the launcher's settings.
extern const wxString kSettingsGroup;

// Reads the settings file at path (no message on failure). Of a key kSettingsGroup holds more than
// once, only the first copy is kept.
SettingsRead ReadSettingsFile(const wxString& path);

// The whole file as the configuration writes it, in UTF-8.
std::string SettingsFileBytes(wxFileConfig& config);
