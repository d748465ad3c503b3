#include "hangar/core/command_line.h"
#include "hangar/platform/platform.h"

#include <windows.h>

#include <shellapi.h>
#include <wx/filename.h>

// The shell starts the program. It is given the program's full path in `folder`: given a bare
// name, the shell would look in the launcher's own folder and along the search path before
// `folder`, and could start another copy of the server. The result is above 32 when the program
// runs, otherwise one of the codes of the launch error table (SE_ERR_FNF = 2 for a missing
// file, and so on).
bool PlatformStartDetached(const wxString& folder, const wxString& program,
                           const wxString& argument, int* failureCode)
{
    const wxString path = wxFileName(folder, program).GetFullPath();
    const wxString parameters = QuoteCommandLineArgument(argument);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", path.wc_str(), parameters.wc_str(),
                                           folder.wc_str(), SW_SHOWNORMAL);
    const INT_PTR code = reinterpret_cast<INT_PTR>(result);
    if (code > 32)
        return true;
    *failureCode = static_cast<int>(code);
    return false;
}
