#pragma once

// The launcher's string table: window title, menu items, tab labels, button labels and control
// captions, keyed by their numeric ids. The entries stand in resources/string_table.inc.

// The ids by name: LoadResString(StringId::GameName) is "Game Name".
namespace StringId
{
enum : int
{
#define IC_STRING(id, name, text) name = id,
#include "resources/string_table.inc"
#undef IC_STRING
};
} // namespace StringId

// Returns nullptr for an id the table does not hold.
const wchar_t* FindTableString(int id);
