#pragma once

// Lets GoogleTest print toolkit strings as text rather than as a container of code points.

#include <ostream>
#include <wx/string.h>

inline void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_string() << '"';
}
