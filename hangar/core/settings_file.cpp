#include "hangar/core/settings_file.h"

#include "hangar/core/safe_file.h"

#include <cerrno>
#include <cstring>
#include <wx/debug.h>
#include <wx/file.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/filename.h>
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
bool StartsWith(const std::string& bytes, const char* prefix, size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

// One character per byte: every byte survives, whatever the file holds.
wxString OneCharPerByte(const std::string& bytes)
{
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}

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

wxString Decode(const std::string& bytes)
{
    if (bytes.empty())
        return wxString();
    if (StartsWith(bytes, "\xFF\xFE", 2) || StartsWith(bytes, "\xFE\xFF", 2))
    {
        wxMBConvUTF16LE little;
        wxMBConvUTF16BE big;
        const wxMBConv& conv = bytes[0] == '\xFF' ? static_cast<const wxMBConv&>(little) : big;
        const wxString text(bytes.data() + 2, conv, bytes.size() - 2);
        if (!text.empty() || bytes.size() == 2)
            return text;
        return OneCharPerByte(bytes);
    }
    const size_t skip = StartsWith(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    const wxString text = wxString::FromUTF8(bytes.data() + skip, bytes.size() - skip);
    if (!text.empty() || bytes.size() == skip)
        return text;
    return OneCharPerByte(bytes);
}
} // namespace

wxString DecodeSettingsText(const std::string& bytes)
{
    return WithoutNul(Decode(bytes));
}

namespace
{
// Parses ini text with the toolkit. Its file reader keeps blank lines and reads in one go, while
// its stream reader drops blank lines and grows its buffer 1 KB at a time (quadratic where the
// allocator cannot grow a block in place). So the text goes through a private temporary file
// (owner only, removed at once); the stream reader is the fallback when none can be made.
wxFileConfig* ParseText(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    wxFile temp;
    const wxString tempPath =
        wxFileName::CreateTempFileName(wxFileName::GetTempDir() + "/hangar-settings-", &temp);
    if (!tempPath.empty())
    {
        const bool written = temp.Write(utf8.data(), utf8.length()) == utf8.length();
        const bool closed = temp.Close();
        wxFileConfig* config = nullptr;
        if (written && closed)
            config = new wxFileConfig(wxEmptyString, wxEmptyString, tempPath, wxEmptyString,
                                      wxCONFIG_USE_LOCAL_FILE, wxConvUTF8);
        wxRemoveFile(tempPath);
        if (config)
            return config;
    }
    wxMemoryInputStream in(utf8.data(), utf8.length());
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

SettingsRead ReadSettingsFile(const wxString& path)
{
    SettingsRead read;
    std::string bytes;
    read.m_readError = ReadWholeFile(path, &bytes);
    if (read.m_readError == ENOENT)
        read.m_readError = 0; // a new file
    read.m_config = ConfigFromText(read.m_readError ? wxString() : DecodeSettingsText(bytes));
    return read;
}

std::string SettingsFileBytes(wxFileConfig& config)
{
    wxMemoryOutputStream out;
    config.Save(out, wxConvUTF8);
    std::string bytes(out.GetLength(), '\0');
    if (!bytes.empty())
        out.CopyTo(&bytes[0], bytes.size());
    return bytes;
}

wxString SaveErrorText(const wxString& path, int error)
{
    return wxString::Format("The settings could not be saved to the file \"%s\": %s.", path,
                            wxSysErrorMsgStr(error));
}

wxString UnreadFileText(const wxString& path, int error)
{
    return wxString::Format("The settings were not saved: the file \"%s\" could not be read (%s), "
                            "and saving would replace content that was never read.",
                            path, wxSysErrorMsgStr(error));
}
