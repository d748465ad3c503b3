#pragma once

#include <string>

// The system's resolver through the toolkit (IPv4): the dotted address of host, empty when it is
// unknown. It blocks until the resolver answers, so it runs on a thread of its own.
std::string SystemHostLookup(const std::string& host);
