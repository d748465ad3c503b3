#pragma once

#include <wx/string.h>

// `argument` written for a Windows command line so that the program it is given to reads it back
// as exactly one argument (the rules of CommandLineToArgvW and of the C runtime): as it stands
// when it has no blank, tab or quote and is not empty, otherwise in quotes, with each quote and
// the backslashes before a quote or before the closing quote escaped.
wxString QuoteCommandLineArgument(const wxString& argument);
