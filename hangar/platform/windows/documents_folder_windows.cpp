#include "hangar/platform/platform.h"

#include <windows.h>

#include <shlobj.h>

// The shell's "My Documents" folder of the user, as it stands now.
wxString PlatformDocumentsFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
        return wxString();
    return wxString(path);
}
