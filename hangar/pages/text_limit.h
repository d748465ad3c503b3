#pragma once

#include <cstddef>

class wxTextCtrl;

// Limits a text control to maxLength characters: typing and pasting stop at the limit.
// Single-line controls use the toolkit's maximum length. Multi-line controls, where the toolkit
// has no such limit on GTK, get a key filter, a paste handler that inserts only what fits, and a
// last check after every change that cuts anything longer (text dropped in, or set by the
// program), as the toolkit's own limit does for single-line controls.
void LimitTextLength(wxTextCtrl* control, std::size_t maxLength);
