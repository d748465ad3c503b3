// The stand-in server as a program, for the benchmark: every connection that logs in (any
// password) gets COUNT messages of SIZE bytes at once, each ending in a line break unless
// "nobreak" is given; the program ends after CONNECTIONS connections have ended, or after five
// minutes.
//
//   signal_test_server COUNT SIZE CONNECTIONS [nobreak]     (prints "port N" when listening)

#include "tests/signal_server/test_server.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

int main(int argc, char** argv)
{
    const bool noBreak = argc == 5 && std::string(argv[4]) == "nobreak";
    if (argc != 4 && !noBreak)
    {
        std::fprintf(stderr, "usage: %s COUNT SIZE CONNECTIONS [nobreak]\n", argv[0]);
        return 2;
    }
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 2;
    ServerScript script;
    script.login = ServerScript::Login::Reply;
    script.loginReply = "SUCCESS";
    script.floodCount = std::atoi(argv[1]);
    script.floodSize = static_cast<std::size_t>(std::atol(argv[2]));
    script.lineBreaks = !noBreak;
    const int connections = std::atoi(argv[3]);

    TestServer server(script);
    if (server.Port() == 0)
        return 1;
    std::printf("port %u\n", server.Port());
    std::fflush(stdout);

    // The server runs on its own thread; this one only waits for the connections to end.
    wxStopWatch watch;
    while (server.Finished() < connections)
    {
        if (watch.Time() > 300000)
            return 1;
        wxMilliSleep(5);
    }
    return 0;
}
