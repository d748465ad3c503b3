#include "hangar/core/settings_file.h"

#include "hangar/core/duplicate_keys.h"
#include "hangar/core/safe_file.h"
#include "hangar/core/text_decoding.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>
#include <wx/debug.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/strconv.h>

void GlobalConfigDeleter::operator()(wxFileConfig* config) const
{
    if (config && wxConfigBase::Get(false) == config)
        wxConfigBase::Set(nullptr);
    delete config;
}

namespace
{
wxString WithoutNul(const wxString& text)
{
    if (text.find(wxUniChar(0)) == wxString::npos)
        return text;
    wxString kept;
    kept.reserve(text.length());
    for (const wxUniChar c : text)
    {
        if (c != 0)
            kept += c;
    }
    return kept;
}
} // namespace

wxString DecodeSettingsText(const std::string& bytes)
{
    return WithoutNul(DecodeText(bytes));
}

namespace
{
// The toolkit's stream reader drops empty lines, which its file reader keeps. Each empty line goes
// through it as this comment, which it keeps as it stands, and comes back empty when the file is
// written (SettingsFileBytes). A comment of a semicolon and a Unicode noncharacter (U+FDD0) is
// not met in a file written by hand.
const std::string kEmptyLine = ";\xEF\xB7\x90";

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The ini text in UTF-8 with each empty line replaced by kEmptyLine. "\r\n", "\n" and "\r" end a
// line, as for the toolkit's reader.
std::string MarkEmptyLines(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    const char* bytes = utf8.data();
    std::string marked;
    marked.reserve(utf8.length() + 64);
    bool lineStart = true;
    for (size_t i = 0; i < utf8.length(); ++i)
    {
        const char c = bytes[i];
        const bool secondHalf = c == '\n' && i > 0 && bytes[i - 1] == '\r';
        if (IsLineEnd(c) && lineStart && !secondHalf)
            marked += kEmptyLine;
        marked += c;
        lineStart = IsLineEnd(c);
    }
    return marked;
}

// The toolkit writes the system's line ends: "\n", or "\r\n" on Windows, whose "\r" stays.
std::string UnmarkEmptyLines(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    size_t start = 0;
    while (start < bytes.size())
    {
        const size_t end = bytes.find('\n', start);
        size_t length = (end == std::string::npos ? bytes.size() : end) - start;
        const bool carriageReturn = length > 0 && bytes[start + length - 1] == '\r';
        if (carriageReturn)
            --length;
        if (bytes.compare(start, length, kEmptyLine) != 0)
            text.append(bytes, start, length);
        if (carriageReturn)
            text += '\r';
        if (end == std::string::npos)
            break;
        text += '\n';
        start = end + 1;
    }
    return text;
}

// Parses ini text with the toolkit, from memory: no copy of the file (passwords included) is ever
// written anywhere. The toolkit's stream reader grows its buffer 1 KB at a time: linear with
// glibc, which grows a large block in place (10 MB in 0.5 to 1.5 s, 64 MB in 4 to 6 s), but
// quadratic with an allocator that copies (AddressSanitizer's: 10 MB in about 30 s).
wxFileConfig* ParseText(const wxString& text)
{
    const std::string marked = MarkEmptyLines(text);
    wxMemoryInputStream in(marked.data(), marked.size());
    return new wxFileConfig(in, wxConvUTF8);
}
} // namespace

SettingsConfig ConfigFromText(const wxString& text)
{
    wxLogNull noLog; // the toolkit reports lines it cannot parse; they stay in the file as they are
    // It also asserts on an entry line without a name ("=value"); such a line is user data, not
    // a program error, and is kept as it stands like any other.
    const wxAssertHandler_t assertHandler = wxSetAssertHandler(nullptr);
    SettingsConfig config(ParseText(text));
    wxSetAssertHandler(assertHandler);
    config->SetExpandEnvVars(false); // "$HOME" in a password is text, as the server reads it
    // The launcher writes the file itself (SettingsFileBytes, WriteFileAtomically): the toolkit
    // must never flush this configuration, not even when it is deleted.
    config->DisableAutoSave();
    config->SetUmask(077);
    return config;
}

DiskContent ContentOf(const std::string& bytes)
{
    DiskContent content;
    content.m_present = true;
    content.m_size = bytes.size();
    content.m_hash = std::hash<std::string>{}(bytes);
    return content;
}

DiskCheck CheckOnDisk(const wxString& path, const DiskContent& known)
{
    DiskCheck check;
    std::string bytes;
    const int error = ReadWholeFile(path, &bytes, &check.m_readReason);
    const bool missing = ClassifyFileError(error) == FileErrorClass::Missing;
    if (missing && !IsDanglingLink(path))
        return DiskCheck();
    if (error != 0)
        check.m_readError = missing ? kDanglingLink : error;
    else
        check.m_changed = !(ContentOf(bytes) == known);
    return check;
}

const wxString kSettingsGroup = "DedicatedServer.DedicatedServer";

SettingsRead ReadSettingsFile(const wxString& path)
{
    SettingsRead read;
    std::string bytes;
    read.m_readError = ReadWholeFile(path, &bytes, &read.m_readReason);
    const bool missing = ClassifyFileError(read.m_readError) == FileErrorClass::Missing;
    if (missing && IsDanglingLink(path))
    {
        read.m_readError = kDanglingLink; // something is there, and nothing of it can be read
        read.m_readReason.clear();
    }
    else if (missing)
    {
        // A new file: nothing is there, or nothing can be there (a folder of the path is a
        // file, or cannot be searched).
        read.m_readError = 0;
        read.m_readReason.clear();
        read.m_exists = false;
    }
    if (read.m_exists && read.m_readError == 0)
        read.m_onDisk = ContentOf(bytes);
    SingleCopies single;
    if (read.m_readError == 0)
        single = DropLaterCopies(DecodeSettingsText(bytes), kSettingsGroup);
    read.m_duplicateKeys = std::move(single.m_keys);
    read.m_config = ConfigFromText(single.m_text);
    return read;
}

std::string SettingsFileBytes(wxFileConfig& config)
{
    wxMemoryOutputStream out;
    config.Save(out, wxConvUTF8);
    std::string bytes(out.GetLength(), '\0');
    if (!bytes.empty())
        out.CopyTo(&bytes[0], bytes.size());
    return UnmarkEmptyLines(bytes);
}
