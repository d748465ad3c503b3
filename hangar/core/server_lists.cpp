#include "hangar/core/server_lists.h"

#include "hangar/core/documents_folder.h"
#include "hangar/core/res_string.h"

#include <wx/fileconf.h>

ListFile OpenGameTypeListFile()
{
    // Entry names are the game types offered, in the order of the file.
    const ListEntries defaults = {
        {LoadResString(StringId::ObjectiveSkydrop), "TROVGameNonNative.SDGame"},
        {LoadResString(StringId::TeamDeathmatch), "TROVGameNonNative.DMGame"},
        {LoadResString(StringId::TeamDeathmatchSkydrop), "TROVGameNonNative.SDMGame"},
    };
    return OpenListFile(GetSettingsFolder(), "TROVGameTypes.ini", "TROVGame.Types", defaults);
}

ListFile OpenMapListFile()
{
    // Display name, map file name.
    const ListEntries defaults = {
        {"Kestrel", "MP_Kestrel_P"}, {"BurningFarm", "MP_BF_P"}, {"NightWatch", "MP_NW_P"},
        {"Glacier", "MP_Gla_P"},     {"Tideline", "MP_Tid_P"},   {"Corsair", "MP_Cor_P"},
    };
    return OpenListFile(GetSettingsFolder(), "TROVMaps.ini", "TROVGame.Maps", defaults);
}
