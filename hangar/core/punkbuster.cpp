#include "hangar/core/punkbuster.h"

#include <wx/filefn.h>

bool IsPunkBusterInstalled(const wxString& serverFolder)
{
    return wxFileExists(serverFolder + "/../TROVGame/pb/PnkBstrA.exe");
}
