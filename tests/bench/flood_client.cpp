// The flood benchmark's reference: a headless toolkit client that logs in and only reads the
// server's messages, each into a zero-filled 1024-byte buffer as the console does.
//
//   signal_flood_client PORT COUNT

#include "signal/core/message_codec.h"
#include "tests/bench/bench_figures.h"

#include <cstdlib>
#include <cstring>
#include <wx/init.h>
#include <wx/socket.h>
#include <wx/stopwatch.h>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s PORT COUNT\n", argv[0]);
        return 2;
    }
    wxInitializer toolkit;
    const int count = std::atoi(argv[2]);
    wxIPV4address address;
    address.Hostname("127.0.0.1");
    address.Service(argv[1]);
    wxSocketClient socket(wxSOCKET_BLOCK);
    socket.SetTimeout(30);
    if (!socket.Connect(address, true))
        return 1;
    socket.WriteMsg("x", 1);
    char buffer[kReceiveBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    socket.ReadMsg(buffer, sizeof buffer);
    if (std::strcmp(buffer, "SUCCESS") != 0)
        return 1;

    wxStopWatch watch;
    std::vector<double> marks;
    for (int i = 1; i <= count; ++i)
    {
        std::memset(buffer, 0, sizeof buffer);
        socket.ReadMsg(buffer, sizeof buffer);
        if (socket.Error())
            return 1;
        if (i % 1000 == 0)
            marks.push_back(watch.TimeInMicro().ToDouble() / 1000.0);
    }
    PrintFigures("headless client", count, marks);
    return 0;
}
