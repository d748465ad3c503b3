#include "resources/string_table.h"

namespace
{
struct Entry
{
    int id;
    const wchar_t* text;
};

const Entry kStrings[] = {
#define IC_STRING(id, name, text) {id, text},
#include "resources/string_table.inc"
#undef IC_STRING
};
} // namespace

const wchar_t* FindTableString(int id)
{
    for (const Entry& e : kStrings)
    {
        if (e.id == id)
            return e.text;
    }
    return nullptr;
}
