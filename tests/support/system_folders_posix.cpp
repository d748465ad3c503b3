#include "tests/support/system_folders.h"

#include <wx/filename.h>
#include <wx/utils.h>

wxString SystemTempFolder()
{
    return wxFileName::DirName(wxFileName::GetTempDir()).GetPath();
}

// The documents folder is the home folder when no XDG user folders are set up, and they are read
// from the configuration folder under HOME.
UserDocumentsRedirect::UserDocumentsRedirect(const wxString& folder)
{
    m_hadOld = wxGetEnv("HOME", &m_old);
    wxSetEnv("HOME", folder);
    wxUnsetEnv("XDG_CONFIG_HOME");
    wxUnsetEnv("XDG_DOCUMENTS_DIR");
}

UserDocumentsRedirect::~UserDocumentsRedirect()
{
    if (m_hadOld)
        wxSetEnv("HOME", m_old);
    else
        wxUnsetEnv("HOME");
}
