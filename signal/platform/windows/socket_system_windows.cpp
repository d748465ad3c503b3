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
    const auto* bytes = reinterpret_cast<const unsigned char*>(
        &reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr);
    std::string dotted;
    for (int i = 0; i < 4; ++i)
        dotted += (i > 0 ? "." : "") + std::to_string(bytes[i]);
    freeaddrinfo(found);
    return dotted;
}

// The Windows loop answers false when it met the quit message (PostQuitMessage, from this program
// or another): the program ends.
bool DispatchAnswerEndsProgram(bool dispatchAnswer)
{
    return !dispatchAnswer;
}
