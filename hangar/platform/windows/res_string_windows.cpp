#include "hangar/platform/platform.h"

#include <windows.h>

// The program's own STRINGTABLE resource (generated at build time from
// resources/string_table.inc).
wxString PlatformLoadString(int id)
{
    wchar_t text[4096] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), text,
                                   static_cast<int>(sizeof text / sizeof text[0]));
    return length > 0 ? wxString(text, static_cast<size_t>(length)) : wxString();
}
