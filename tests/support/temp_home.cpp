#include "tests/support/temp_home.h"

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/textfile.h>
#include <wx/utils.h>

namespace
{
// TMPDIR where it names a folder of this system (under Wine it holds the Linux one's path, which
// Windows programs cannot use), else TEMP as Windows sets it, else /tmp.
wxString TempBase()
{
    for (const char* name : {"TMPDIR", "TEMP"})
    {
        wxString value;
        if (wxGetEnv(name, &value) && !value.empty() && wxDirExists(value))
            return value;
    }
    return "/tmp";
}
} // namespace

// A folder of a new random name, created only by this call (0700 where modes exist).
wxString MakeTempFolder(const wxString& prefix)
{
    static std::mt19937_64 random{std::random_device{}()};
    const wxString base = TempBase();
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const wxString path =
            base + "/" + prefix +
            wxString::Format("%012llx", static_cast<unsigned long long>(random() >> 16));
        if (wxMkdir(path, 0700))
            return path;
    }
    return wxString();
}

void RemoveTree(const wxString& path)
{
    if (!path.empty() && wxDirExists(path))
        wxFileName::Rmdir(path, wxPATH_RMDIR_RECURSIVE);
}

bool WriteFileBytes(const wxString& path, const std::string& bytes)
{
    wxFileName::Mkdir(wxFileName(path).GetPath(), 0700, wxPATH_MKDIR_FULL);
    std::ofstream out(path.utf8_string(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadFileBytes(const wxString& path)
{
    std::ifstream in(path.utf8_string(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string InNativeLines(const std::string& text)
{
    const std::string eol = wxString(wxTextFile::GetEOL()).utf8_string();
    std::string native;
    for (char c : text)
        native += c == '\n' ? eol : std::string(1, c);
    return native;
}

TempHome::TempHome() : m_path(MakeTempFolder("hangar-home-")), m_oldCwd(wxGetCwd())
{
    wxGetEnv("HOME", &m_oldHome);
    wxSetEnv("HOME", m_path);
    wxUnsetEnv("XDG_CONFIG_HOME");
    wxUnsetEnv("XDG_DOCUMENTS_DIR");
}

TempHome::~TempHome()
{
    wxSetWorkingDirectory(m_oldCwd);
    wxSetEnv("HOME", m_oldHome);
    RemoveTree(m_path);
}

wxString TempHome::SettingsFolder() const
{
    return m_path + "/ZE Zavov/Iron Canopy(tm)/Config";
}
