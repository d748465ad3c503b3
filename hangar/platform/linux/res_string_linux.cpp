#include "hangar/platform/platform.h"

#include "resources/string_table.h"

// The table is compiled into the program (resources/string_table.cpp).
wxString PlatformLoadString(int id)
{
    const wchar_t* text = FindTableString(id);
    return text ? wxString(text) : wxString();
}
