#pragma once

#include <wx/string.h>

// The user's documents folder; empty text when it cannot be determined.
wxString GetDocumentsFolder();

// The launcher's settings folder: the documents folder + "/ZE Zavov/Iron Canopy(tm)/Config".
// It holds the default settings file and the two list files.
wxString GetSettingsFolder();

// Full path of the default settings file, "TROVDedicatedServer.ini" in the settings folder.
wxString GetDefaultSettingsPath();

extern const wxString kDefaultSettingsFileName;
