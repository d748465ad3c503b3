#include "signal/core/console_texts.h"

const char* const kServerName = "Iron Canopy Dedicated Server";

wxString ConsoleTitle()
{
    return wxString(kServerName) + " Remote";
}

wxString ConnectedTitle(const wxString& host, const wxString& port)
{
    return ConsoleTitle() + ": " + host + ":" + port;
}

wxString TrimCommand(const wxString& typed)
{
    wxString command = typed;
    command.Trim(true);
    command.Trim(false);
    return command;
}

wxString CommandEcho(const wxString& command)
{
    return "\r\n>>> " + command + " <<<\r\n";
}

LoginReply ClassifyLoginReply(const wxString& reply)
{
    if (reply == "SUCCESS")
        return LoginReply::Success;
    if (reply == "INVPASS")
        return LoginReply::InvalidPassword;
    return LoginReply::Other;
}
