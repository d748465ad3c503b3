// The Launch button: save the document, then start the dedicated server.

#include "hangar/core/launch_error.h"
#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/platform/platform.h"

#include <wx/msgdlg.h>

// Saves first (a refused, cancelled or failed save starts nothing), then starts the server from
// the folder the launcher started in, with the bare settings file name as its one argument. The
// launcher keeps no link to the started server.
void HangarFrame::OnLaunch(wxCommandEvent& /*event*/)
{
    const bool saved = m_filePath.empty() ? SaveSettingsAs() : SaveSettings();
    if (!saved)
        return;

    int failure = LaunchCode::Unlisted;
    if (PlatformStartDetached(m_startDir, kServerExecutable, m_fileName, &failure))
        return;
    wxMessageBox(LaunchFailureMessage(failure), LoadResString(StringId::LauncherTitle),
                 wxOK | wxICON_ERROR, this);
}
