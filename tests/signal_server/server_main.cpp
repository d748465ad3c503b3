// The stand-in server as a program.
//
//   signal_test_server COUNT SIZE CONNECTIONS [nobreak]
//     For the benchmark: every connection that logs in (any password) gets COUNT messages of SIZE
//     bytes at once, each ending in a line break unless "nobreak" is given; the program ends
//     after CONNECTIONS connections have ended.
//   signal_test_server record PASSWORD
//     For a test of the console program: it accepts PASSWORD only, writes every message it
//     receives (the login's password included) as a line "received TEXT", and ends when the
//     first connection has ended.
//
// Both print "port N" once listening on 127.0.0.1, and give up after five minutes.

#include "tests/signal_server/test_server.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace
{
// Runs until `connections` connections have ended, printing what arrives when `record` is set.
int Serve(const ServerScript& script, int connections, bool record)
{
    TestServer server(script);
    if (server.Port() == 0)
        return 1;
    std::printf("port %u\n", server.Port());
    std::fflush(stdout);

    // The server runs on its own thread; this one waits, and prints what it received.
    wxStopWatch watch;
    std::size_t printed = 0;
    for (;;)
    {
        const bool over = server.Finished() >= connections;
        if (record)
        {
            const std::vector<std::string> received = server.Received();
            for (; printed < received.size(); ++printed)
                std::printf("received %s\n", received[printed].c_str());
            std::fflush(stdout);
        }
        if (over)
            return 0;
        if (watch.Time() > 300000)
            return 1;
        wxMilliSleep(5);
    }
}
} // namespace

int main(int argc, char** argv)
{
    wxInitializer toolkit;
    if (!toolkit.IsOk())
        return 2;
    ServerScript script;
    if (argc == 3 && std::string(argv[1]) == "record")
    {
        script.password = argv[2];
        return Serve(script, 1, true);
    }

    const bool noBreak = argc == 5 && std::string(argv[4]) == "nobreak";
    if (argc != 4 && !noBreak)
    {
        std::fprintf(stderr,
                     "usage: %s COUNT SIZE CONNECTIONS [nobreak]\n"
                     "       %s record PASSWORD\n",
                     argv[0], argv[0]);
        return 2;
    }
    script.login = ServerScript::Login::Reply;
    script.loginReply = "SUCCESS";
    script.floodCount = std::atoi(argv[1]);
    script.floodSize = static_cast<std::size_t>(std::atol(argv[2]));
    script.lineBreaks = !noBreak;
    return Serve(script, std::atoi(argv[3]), false);
}
