#pragma once

// Host names are looked up on a thread of their own: a resolver that is slow, or never answers,
// holds neither the console's windows nor its wait for the server.

#include <functional>
#include <memory>
#include <string>

// Turns a host name (UTF-8) into a dotted IPv4 address; empty when there is no such host. It may
// take as long as the resolver pleases.
using HostLookupFunction = std::function<std::string(const std::string& host)>;

// True for four decimal numbers from 0 to 255 joined by dots: an address that needs no lookup.
bool IsDottedQuad(const std::string& host);

// One lookup, started at construction on a thread of its own. Whoever stops waiting for it may let
// it go: the thread finishes by itself and its answer is dropped.
class HostLookup
{
public:
    HostLookup(const HostLookupFunction& lookup, const std::string& host);

    bool Done() const;
    // The dotted address, empty when the host is unknown or the lookup is not done.
    std::string Address() const;

private:
    struct Outcome;
    std::shared_ptr<Outcome> m_outcome;
};
