#pragma once

#include <string>
#include <wx/string.h>

// The text a file's bytes hold, judged by what they are, losing no byte:
// - UTF-16 with its byte-order mark, or without one when its zero bytes show it: the high bytes
//   of the ASCII characters every settings and list file holds (its brackets, names, "=" and line
//   ends) stand at every other place, little- or big-endian;
// - otherwise UTF-8 (a leading byte-order mark dropped), where a byte that starts or continues no
//   valid UTF-8 sequence is taken alone as Latin-1. Valid UTF-8 is never read any other way, and a
//   file with no valid multi-byte sequence at all reads as Latin-1.
// NUL characters are kept; the caller decides what to do with them.
wxString DecodeText(const std::string& bytes);
