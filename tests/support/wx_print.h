#pragma once

// How GoogleTest prints the toolkit's values in a failed check: a string as text rather than as a
// container of code points, a size and a colour by their numbers rather than as raw bytes. Every
// test includes this header (the GUI tests through gui_helpers.h), so that a type is printed
// the same way throughout a test program.

#include <ostream>
#include <wx/string.h>
#if wxUSE_GUI
#include <wx/colour.h>
#include <wx/gdicmn.h>
#endif

inline void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_string() << '"';
}

#if wxUSE_GUI
inline void PrintTo(const wxSize& size, std::ostream* out)
{
    *out << size.x << " x " << size.y;
}

inline void PrintTo(const wxColour& colour, std::ostream* out)
{
    if (colour.IsOk())
        *out << colour.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
    else
        *out << "(no colour)";
}
#endif
