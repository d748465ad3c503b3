#include "hangar/core/res_string.h"

#include "resources/string_table.h"

#include <wx/debug.h>

wxString LoadResString(int id)
{
    const wchar_t* text = FindTableString(id);
    wxASSERT_MSG(text, wxString::Format("string %d is not in the table", id));
    return text ? wxString(text) : wxString();
}
