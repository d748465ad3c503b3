#include "signal/core/host_lookup.h"

#include <mutex>
#include <thread>

struct HostLookup::Outcome
{
    mutable std::mutex mutex;
    bool done = false;
    std::string address;
};

bool IsDottedQuad(const std::string& host)
{
    int parts = 0;
    std::size_t i = 0;
    while (i < host.size() || parts == 0)
    {
        if (parts > 0 && host[i++] != '.')
            return false;
        std::size_t digits = 0;
        int value = 0;
        while (i < host.size() && host[i] >= '0' && host[i] <= '9' && digits < 4)
        {
            value = value * 10 + (host[i++] - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        ++parts;
    }
    return parts == 4;
}

HostLookup::HostLookup(const HostLookupFunction& lookup, const std::string& host)
    : m_outcome(std::make_shared<Outcome>())
{
    std::thread(
        [lookup, host, outcome = m_outcome]
        {
            const std::string address = lookup(host);
            std::lock_guard<std::mutex> lock(outcome->mutex);
            outcome->address = address;
            outcome->done = true;
        })
        .detach();
}

bool HostLookup::Done() const
{
    std::lock_guard<std::mutex> lock(m_outcome->mutex);
    return m_outcome->done;
}

std::string HostLookup::Address() const
{
    std::lock_guard<std::mutex> lock(m_outcome->mutex);
    return m_outcome->address;
}
