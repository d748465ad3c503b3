#include "tests/support/temp_home.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/textbuf.h>
#include <wx/utils.h>

// Under the system's temporary folder; making the folder is what claims a
// name, so two processes never get the same one.
wxString MakeTempFolder(const wxString& prefix)
{
    static unsigned long counter = 0;
    const wxString base = SystemTempFolder();
    for (int attempt = 0; attempt < 1000; ++attempt)
    {
        const wxString path = base + wxFILE_SEP_PATH + prefix +
                              wxString::Format("%lu-%lu", wxGetProcessId(), ++counter);
        if (wxMkDir(path, 0700) == 0)
            return path;
    }
    return wxString();
}

void RemoveTree(const wxString& path)
{
    if (!path.empty() && wxDirExists(path))
        wxFileName::Rmdir(path, wxPATH_RMDIR_RECURSIVE);
}

namespace
{
// The path as the file streams take it: on Windows through the system's wide calls, so that a
// folder named in any script is reached.
std::filesystem::path StreamPath(const wxString& path)
{
    return std::filesystem::u8path(path.utf8_string());
}
} // namespace

bool WriteFileBytes(const wxString& path, const std::string& bytes)
{
    wxFileName::Mkdir(wxFileName(path).GetPath(), 0700, wxPATH_MKDIR_FULL);
    std::ofstream out(StreamPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadFileBytes(const wxString& path)
{
    std::ifstream in(StreamPath(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace
{
// The bytes converted to the given line ends by the toolkit, byte for byte otherwise; unchanged
// where the system's text files end their lines in "\n" alone, so that a stray "\r" stays visible.
std::string WithLineEnds(const std::string& bytes, wxTextFileType type)
{
    if (wxTextBuffer::GetEOL() == wxString("\n"))
        return bytes;
    const wxString text = wxString::From8BitData(bytes.data(), bytes.size());
    // The buffer belongs to the string it came from, which must outlive it.
    const wxString translated = wxTextBuffer::Translate(text, type);
    const wxScopedCharBuffer converted = translated.To8BitData();
    return std::string(converted.data(), converted.length());
}
} // namespace

std::string ReadSavedText(const wxString& path)
{
    return WithLineEnds(ReadFileBytes(path), wxTextFileType_Unix);
}

wxString NativePath(const wxString& path)
{
    return wxFileName(path).GetFullPath();
}

std::string InNativeLines(const std::string& text)
{
    return WithLineEnds(text, wxTextBuffer::typeDefault);
}

TempHome::TempHome()
    : m_path(MakeTempFolder("hangar-home-")), m_documents(m_path), m_oldCwd(wxGetCwd())
{
}

TempHome::~TempHome()
{
    wxSetWorkingDirectory(m_oldCwd);
    RemoveTree(m_path);
}

wxString TempHome::SettingsFolder() const
{
    return m_path + "/ZE Zavov/Iron Canopy(tm)/Config";
}
