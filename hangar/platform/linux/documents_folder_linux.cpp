#include "hangar/platform/platform.h"

#include <wx/stdpaths.h>

// The XDG documents folder of the user, or the home folder where none is set up.
wxString PlatformDocumentsFolder()
{
    return wxStandardPaths::Get().GetDocumentsDir();
}
