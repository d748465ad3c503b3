#pragma once

// How server text is laid out on the console's screen. What is sent and received is never
// changed; only the text shown gets extra line breaks.

#include <cstddef>
#include <wx/string.h>

// The longest line the console shows. Every append re-lays out the line it ends on, so a server
// that never sends a line break would make each append cost more than the one before; a longer
// run of text goes on in a new line on screen. (Measured: with 256, 1 MB without line breaks took
// about 2.5 times as long to show as 1 MB in lines; with 128, 1.3 times.)
constexpr std::size_t kMaxShownLineLength = 128;

// Tracks the length of the console's last line and breaks the text to be appended so that no line
// on screen grows beyond the maximum.
class ScreenLines
{
public:
    explicit ScreenLines(std::size_t maxLength = kMaxShownLineLength) : m_maxLength(maxLength) {}

    // text as it is to be shown after what was shown so far: "\n" is inserted wherever the last
    // line would otherwise grow beyond the maximum. A "\n" in the text starts a new line.
    wxString Break(const wxString& text);
    // The console was emptied.
    void Reset() { m_column = 0; }

private:
    std::size_t m_maxLength;
    std::size_t m_column = 0; // characters in the last line shown so far
};
