#include "hangar/core/documents_folder.h"

#include "hangar/platform/platform.h"

#include <wx/filename.h>

const wxString kDefaultSettingsFileName = "TROVDedicatedServer.ini";

wxString GetDocumentsFolder()
{
    return PlatformDocumentsFolder();
}

wxString GetSettingsFolder()
{
    return GetDocumentsFolder() + "/ZE Zavov/Iron Canopy(tm)/Config";
}

wxString GetDefaultSettingsPath()
{
    wxFileName name(GetSettingsFolder() + "/" + kDefaultSettingsFileName);
    name.MakeAbsolute();
    return name.GetFullPath();
}
