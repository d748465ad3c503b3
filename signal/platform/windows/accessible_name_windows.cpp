#include "signal/platform/accessible_name.h"

#include <wx/access.h>
#include <wx/window.h>

namespace
{
// Gives the control's name; everything else is left to the system's own description.
class NamedAccessible : public wxAccessible
{
public:
    NamedAccessible(wxWindow* window, const wxString& name) : wxAccessible(window), m_name(name) {}

    wxAccStatus GetName(int childId, wxString* name) override
    {
        if (childId != wxACC_SELF)
            return wxACC_NOT_IMPLEMENTED;
        *name = m_name;
        return wxACC_OK;
    }

private:
    wxString m_name;
};
} // namespace

void SetAccessibleName(wxWindow& window, const wxString& name)
{
    window.SetAccessible(new NamedAccessible(&window, name));
}

wxString GetAccessibleName(wxWindow& window)
{
    wxString name;
    wxAccessible* accessible = window.GetAccessible();
    if (accessible)
        accessible->GetName(wxACC_SELF, &name);
    return name;
}
