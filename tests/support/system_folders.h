#pragma once

#include <wx/string.h>

// The system's folders as tests need them. Each system has its own implementation
// (system_folders_posix.cpp, system_folders_windows.cpp), chosen by the build.

// The folder for temporary files: TMPDIR where set on Linux, the user's temporary folder on
// Windows (where a TMPDIR inherited from Wine's host names no Windows folder).
wxString SystemTempFolder();

// Points the user's documents folder, as the system reports it to this process, at `folder`
// while the object lives, and puts the old one back afterwards.
class UserDocumentsRedirect
{
public:
    explicit UserDocumentsRedirect(const wxString& folder);
    ~UserDocumentsRedirect();
    UserDocumentsRedirect(const UserDocumentsRedirect&) = delete;
    UserDocumentsRedirect& operator=(const UserDocumentsRedirect&) = delete;

private:
    wxString m_old;
    unsigned long m_oldKind = 0; // how the system stores the old value, where it tells
    bool m_hadOld = false;
};
