#pragma once

#include "hangar/core/list_file.h"

// The two list files in the settings folder, each created with its defaults when missing: the
// game types offered on the Basic page ("TROVGameTypes.ini", group TROVGame.Types) and the maps
// offered on the Map Rotation page ("TROVMaps.ini", group TROVGame.Maps).
ListFile OpenGameTypeListFile();
ListFile OpenMapListFile();
