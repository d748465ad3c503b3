#include "hangar/core/command_line.h"

wxString QuoteCommandLineArgument(const wxString& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == wxString::npos)
        return argument;

    wxString quoted = "\"";
    size_t backslashes = 0;
    for (const wxUniChar c : argument)
    {
        if (c == '\\')
        {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each one is doubled, and the
        // quote itself gets one more.
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\'); // the closing quote follows them
    return quoted + "\"";
}
