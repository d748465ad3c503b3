#include "tests/support/toolkit_warnings.h"

#include <cstring>
#include <wx/dynlib.h>

namespace
{
// GLib's own declarations (its headers are not needed to build the tests): the structured log
// writer that every message passes through (GTK logs its criticals structured), and the levels
// recorded.
struct LogField
{
    const char* m_key;
    const void* m_value;
    long m_length; // -1: a NUL-terminated text
};
using LogWriter = int (*)(int level, const LogField* fields, size_t count, void* data);
using SetWriter = void (*)(LogWriter writer, void* data, void (*freeData)(void*));
constexpr int kLevelCritical = 1 << 3;
constexpr int kLevelWarning = 1 << 4;

LogWriter g_defaultWriter = nullptr;
std::vector<std::string>* g_recording = nullptr; // the messages of the recorder now alive

std::string FieldText(const LogField& field)
{
    const char* text = static_cast<const char*>(field.m_value);
    if (!text)
        return std::string();
    return field.m_length < 0 ? std::string(text) : std::string(text, field.m_length);
}

int Write(int level, const LogField* fields, size_t count, void* data)
{
    if (g_recording && (level & (kLevelCritical | kLevelWarning)) != 0)
    {
        std::string domain;
        std::string message;
        for (size_t i = 0; i < count; ++i)
        {
            if (std::strcmp(fields[i].m_key, "GLIB_DOMAIN") == 0)
                domain = FieldText(fields[i]);
            else if (std::strcmp(fields[i].m_key, "MESSAGE") == 0)
                message = FieldText(fields[i]);
        }
        g_recording->push_back(domain + ": " + message);
    }
    return g_defaultWriter(level, fields, count, data); // printed as ever
}

// Installs the writer once for the process: GLib takes one writer only. GLib is loaded with GTK,
// so this finds the library the program already uses.
bool InstallWriter()
{
    static bool installed = false;
    if (installed)
        return true;
    static wxDynamicLibrary glib("libglib-2.0.so.0", wxDL_VERBATIM | wxDL_QUIET);
    if (!glib.IsLoaded())
        return false;
    const SetWriter set = reinterpret_cast<SetWriter>(glib.GetSymbol("g_log_set_writer_func"));
    g_defaultWriter = reinterpret_cast<LogWriter>(glib.GetSymbol("g_log_writer_default"));
    if (!set || !g_defaultWriter)
        return false;
    set(Write, nullptr, nullptr);
    installed = true;
    return true;
}
} // namespace

ToolkitWarnings::ToolkitWarnings()
{
    if (InstallWriter())
        g_recording = &m_messages;
    else
        m_messages.push_back("GLib's log writer could not be installed");
}

ToolkitWarnings::~ToolkitWarnings()
{
    if (g_recording == &m_messages)
        g_recording = nullptr;
}
