#pragma once

#include <string>
#include <vector>

// Records the warnings and critical messages that the system's toolkit logs while this object
// lives: GTK's and GLib's, through GLib's log writer, where the program runs on GTK (they are
// still printed); Windows' controls log none. One recorder at a time.
class ToolkitWarnings
{
public:
    ToolkitWarnings();
    ~ToolkitWarnings();
    ToolkitWarnings(const ToolkitWarnings&) = delete;
    ToolkitWarnings& operator=(const ToolkitWarnings&) = delete;

    // "domain: message" for each one, in order.
    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
};
