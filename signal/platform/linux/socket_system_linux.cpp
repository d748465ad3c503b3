#include "signal/platform/socket_system.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <wx/socket.h>

void ReadWhatIsLeft(wxSocketBase& socket, std::string& into)
{
    char buffer[16 * 1024];
    for (;;)
    {
        const ssize_t got = recv(socket.GetSocket(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (got <= 0)
            return;
        into.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string LookUpHostAddress(const std::string& host)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return std::string();
    const auto* bytes = reinterpret_cast<const unsigned char*>(
        &reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr);
    std::string dotted;
    for (int i = 0; i < 4; ++i)
        dotted += (i > 0 ? "." : "") + std::to_string(bytes[i]);
    freeaddrinfo(found);
    return dotted;
}

// GTK's answer says whether its own main loop was asked to quit; the console never runs that
// loop, so the answer is always "false" and means nothing.
bool DispatchAnswerEndsProgram(bool /*dispatchAnswer*/)
{
    return false;
}
