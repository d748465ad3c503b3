#pragma once

// The launcher's string table: window title, menu items, tab labels, button labels and control
// captions, keyed by their numeric ids. Returns nullptr for an id the table does not hold.
const wchar_t* FindTableString(int id);
