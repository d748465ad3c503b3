#pragma once

#include <cstdint>
#include <wx/string.h>

// Judges the text of a numeric field against the inclusive range [minValue, maxValue].
// Returns -1 (too small, or no number), 0 (acceptable) or +1 (too big).
//
// final == true judges a finished value. final == false judges text that is still being typed:
// a value below the minimum is then accepted when it is a prefix on the way to a number that can
// still reach the minimum (with minimum 1024: "8", "80" and "800" on the way to 8000, but not
// "0"), and a lone "-" is accepted when the minimum is negative.
//
// A number is read in base 10: leading blanks and a sign are allowed, nothing may follow the
// digits, empty text is no number. Values beyond 32 bits are judged by their true size.
int CheckRangeText(const wxString& text, bool final, std::int32_t minValue, std::int32_t maxValue);
