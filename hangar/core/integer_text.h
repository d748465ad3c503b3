#pragma once

#include <wx/string.h>

// The integer at the start of a text, read in base 10: blanks (space, tab, line feed, vertical
// tab, form feed, carriage return), then an optional sign, then the digits up to the first other
// character. The value saturates at +/- 2^62, so that any number of digits compares correctly
// with 32-bit bounds.
struct LeadingInteger64
{
    long long m_value = 0;    // 0 when there are no digits
    bool m_hasDigits = false; // at least one digit was read
    bool m_wholeText = false; // nothing follows the digits
};

LeadingInteger64 ReadLeadingInteger(const wxString& text);
