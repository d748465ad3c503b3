#pragma once

// The console's fixed texts and the small decisions made on texts.

#include <wx/string.h>

// The name of the server the console administers; the frame carries it while being set up.
extern const char* const kServerName; // "Iron Canopy Dedicated Server"

// The console title: the main window's title while not connected, and the title of the connect
// dialog, the progress dialog and the message boxes.
wxString ConsoleTitle();

// The main window's title while connected, with host and port exactly as typed.
wxString ConnectedTitle(const wxString& host, const wxString& port);

// A command as typed, without trailing and then leading white space; inner white space stays.
wxString TrimCommand(const wxString& typed);

// The console's echo of an executed command: on a line of its own between ">>> " and " <<<".
wxString CommandEcho(const wxString& command);

// What the server's first message says about the login; the whole text must match, case-sensitive.
enum class LoginReply
{
    Success,         // "SUCCESS"
    InvalidPassword, // "INVPASS"
    Other            // anything else, the empty text of an unreadable reply included
};
LoginReply ClassifyLoginReply(const wxString& reply);
