#include "signal/platform/socket_system.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <wx/socket.h>

void ReadWhatIsLeft(wxSocketBase& socket, std::string& into)
{
    // The toolkit's sockets are non-blocking here: recv returns what is there, or an error.
    char buffer[16 * 1024];
    for (;;)
    {
        const int got = recv(socket.GetSocket(), buffer, sizeof buffer, 0);
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
    char dotted[INET_ADDRSTRLEN] = {};
    const bool ok = inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr,
                              dotted, sizeof dotted) != nullptr;
    freeaddrinfo(found);
    return ok ? std::string(dotted) : std::string();
}

// The Windows loop answers false when it met the quit message (PostQuitMessage, from this program
// or another): the program ends.
bool DispatchAnswerEndsProgram(bool dispatchAnswer)
{
    return !dispatchAnswer;
}
