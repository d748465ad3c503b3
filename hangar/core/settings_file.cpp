#include "hangar/core/settings_file.h"

#include "hangar/core/safe_file.h"

#include <cerrno>
#include <cstring>
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

SettingsConfig ConfigFromText(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    wxMemoryInputStream in(utf8.data(), utf8.length());
    wxLogNull noLog; // the toolkit reports lines it cannot parse; they stay in the file as they are
    // It also asserts on an entry line without a name ("=value"); such a line is user data, not
    // a program error, and is kept as it stands like any other.
    const wxAssertHandler_t assertHandler = wxSetAssertHandler(nullptr);
    SettingsConfig config(new wxFileConfig(in, wxConvUTF8));
    wxSetAssertHandler(assertHandler);
    config->SetExpandEnvVars(false); // "$HOME" in a password is text, as the server reads it
    config->DisableAutoSave();
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
    return wxString::Format("The settings were not saved: the file \"%s\" could not be read when "
                            "it was opened (%s), and saving would replace its content. Use Save "
                            "As to choose a file.",
                            path, wxSysErrorMsgStr(error));
}
