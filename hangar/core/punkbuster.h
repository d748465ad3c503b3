#pragma once

#include <wx/string.h>

// True when the PunkBuster service program exists at "../TROVGame/pb/PnkBstrA.exe", resolved
// against serverFolder (the folder the launcher was started in, the server's). The Open and Save
// As dialogs move the working directory, so it is never used. Nothing is run or read.
bool IsPunkBusterInstalled(const wxString& serverFolder);
