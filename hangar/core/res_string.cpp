#include "hangar/core/res_string.h"

#include "hangar/platform/platform.h"

#include <wx/debug.h>

wxString LoadResString(int id)
{
    const wxString text = PlatformLoadString(id);
    wxASSERT_MSG(!text.empty(), wxString::Format("string %d is not in the table", id));
    return text;
}
