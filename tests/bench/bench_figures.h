#pragma once

// Shared by the flood benchmark's two clients: the time marks and what is printed.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

// Peak resident memory of this process in KiB (VmHWM), or -1.
inline long PeakMemoryKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// marks[k] is the time in ms (from the login) at which message (k + 1) * 1000 arrived.
inline void PrintFigures(const char* who, int count, const std::vector<double>& marks)
{
    const double total = marks.empty() ? 0 : marks.back();
    std::printf("%s: %d messages in %.1f ms = %.0f messages/s, peak memory %ld KiB\n", who, count,
                total, total > 0 ? count * 1000.0 / total : 0.0, PeakMemoryKiB());
    if (marks.size() >= 2)
    {
        const double first = marks[0] / 1000.0;
        const double last = (marks.back() - marks[marks.size() - 2]) / 1000.0;
        std::printf("%s: per message %.2f us in the first thousand, %.2f us in the last\n", who,
                    first * 1000.0, last * 1000.0);
    }
    std::fflush(stdout);
}
