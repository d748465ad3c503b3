#include "signal/system_host_lookup.h"

#include <wx/socket.h>

std::string SystemHostLookup(const std::string& host)
{
    wxIPV4address address;
    if (host.empty() || !address.Hostname(wxString::FromUTF8(host.data(), host.size())))
        return std::string();
    return address.IPAddress().ToStdString();
}
