#include "tests/support/temp_home.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

wxString MakeTempFolder(const wxString& prefix)
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" +
                          std::string(prefix.utf8_str()) + "XXXXXX";
    if (!mkdtemp(pattern.data()))
        return wxString();
    return wxString::FromUTF8(pattern.c_str());
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
