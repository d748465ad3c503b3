#pragma once

#include "tests/support/system_folders.h"

#include <string>
#include <wx/string.h>

// A temporary home folder for one test: it is the user's documents folder while the object lives
// (on Linux HOME points at it), and it is removed with everything in it afterwards.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const wxString& Path() const { return m_path; }
    // The launcher's settings folder under this home.
    wxString SettingsFolder() const;

private:
    wxString m_path;
    UserDocumentsRedirect m_documents;
    wxString m_oldCwd;
};

// Makes a fresh temporary folder; the caller removes it (RemoveTree).
wxString MakeTempFolder(const wxString& prefix);
void RemoveTree(const wxString& path);
// Writes text to a file as bytes (UTF-8), creating missing folders; returns false on failure.
bool WriteFileBytes(const wxString& path, const std::string& bytes);
// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const wxString& path);
// Reads a text file the programs wrote, its lines ending in "\n" whatever the system writes (CR LF
// on Windows).
std::string ReadSavedText(const wxString& path);
// The path as the system writes it (on Windows with backslashes), to compare with one the
// programs report.
wxString NativePath(const wxString& path);
// text with the line ends of the system's text files ("\r\n" on Windows), as the toolkit's
// configuration files write them.
std::string InNativeLines(const std::string& text);
