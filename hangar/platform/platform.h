#pragma once

// What the launcher needs of the operating system. Each system has its own implementation in a
// folder of its own (platform/linux, ...), chosen by the build.

#include <wx/string.h>

// The user's documents folder, or empty text when the system cannot tell.
wxString PlatformDocumentsFolder();
