// What every save and launch checks before anything is written or started: the required fields,
// then the numeric fields judged as finished values.

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/range_validator.h"

#include <vector>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

namespace
{
bool IsEmptyText(const SettingsSection& section, const wxString& key)
{
    const wxTextCtrl* text = dynamic_cast<const wxTextCtrl*>(section.Find(key));
    return text && text->GetValue().empty();
}

// The text fields under window that carry a RangeValidator, in the order they were created.
void CollectNumberFields(wxWindow* window, std::vector<wxTextCtrl*>* fields)
{
    for (wxWindow* child : window->GetChildren())
    {
        wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(child);
        if (field && dynamic_cast<RangeValidator*>(field->GetValidator()))
            fields->push_back(field);
        CollectNumberFields(child, fields);
    }
}
} // namespace

bool HangarFrame::ValidateSettings()
{
    wxString message;
    if (!m_basicTab->m_useCached->GetValue())
    {
        if (IsEmptyText(m_section, "Username"))
            message = wxString::Format(LoadResString(StringId::CannotBeLeftBlank),
                                       LoadResString(StringId::Username));
        else if (IsEmptyText(m_section, "Password"))
            message = wxString::Format(LoadResString(StringId::CannotBeLeftBlank),
                                       LoadResString(StringId::Password));
    }
    const wxListBox* rotation = dynamic_cast<const wxListBox*>(m_section.Find("RotationList"));
    if (rotation && rotation->IsEmpty())
        message = wxString::Format(LoadResString(StringId::CannotBeLeftBlank),
                                   LoadResString(StringId::MapRotationPage));
    if (message.empty())
        return true;
    ShowError(message);
    return false;
}

// Typing keeps these fields in range, but text left by deleting or pasted is never judged while
// it is edited. Each enabled field is judged here by its validator, page by page; the first one
// out of range is shown on its page with the validator's message, gets the focus, and the save
// or launch stops. A disabled field (Show Killer Time while its box is clear) is not the user's
// to correct and is written as it stands; a field the operator left as it was loaded is written
// as the file stored it.
bool HangarFrame::ValidateNumberFields()
{
    for (size_t page = 0; page < m_notebook->GetPageCount(); ++page)
    {
        std::vector<wxTextCtrl*> fields;
        CollectNumberFields(m_notebook->GetPage(page), &fields);
        for (wxTextCtrl* field : fields)
        {
            RangeValidator* validator = static_cast<RangeValidator*>(field->GetValidator());
            if (!field->IsEnabled() || validator->IsAcceptable() ||
                m_loaded.Untouched(field).has_value())
                continue;
            m_notebook->SetSelection(page);
            validator->Validate(this);
            field->SetFocus(); // after the message, which takes the focus away on GTK
            return false;
        }
    }
    return true;
}
