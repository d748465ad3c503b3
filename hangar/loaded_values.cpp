#include "hangar/loaded_values.h"

#include "hangar/control_values.h"

#include <wx/event.h>
#include <wx/window.h>

LoadedValues::LoadedValues() : m_entries(std::make_shared<Entries>()) {}

void LoadedValues::Watch(wxWindow* control)
{
    const std::weak_ptr<Entries> entries = m_entries;
    const auto edited = [entries, control](wxCommandEvent& event)
    {
        event.Skip(); // the page handles it as well
        if (const std::shared_ptr<Entries> known = entries.lock())
        {
            const auto it = known->find(control);
            if (it != known->end())
                it->second.m_edited = true;
        }
    };
    control->Bind(wxEVT_TEXT, edited);
    control->Bind(wxEVT_CHECKBOX, edited);
    control->Bind(wxEVT_CHOICE, edited);
}

void LoadedValues::Clear()
{
    m_entries->clear();
}

void LoadedValues::Loaded(const wxString& key, wxWindow* control, const wxString& stored)
{
    (*m_entries)[control] = Entry{key, stored, SavedValue(key, control), false};
}

void LoadedValues::MarkEdited(wxWindow* control)
{
    const auto it = m_entries->find(control);
    if (it != m_entries->end())
        it->second.m_edited = true;
}

std::optional<wxString> LoadedValues::Untouched(wxWindow* control) const
{
    const auto it = m_entries->find(control);
    if (it == m_entries->end())
        return std::nullopt;
    const Entry& entry = it->second;
    if (entry.m_edited || SavedValue(entry.m_key, control) != entry.m_shown)
        return std::nullopt;
    return entry.m_stored;
}

wxString LoadedValues::SaveText(const wxString& key, wxWindow* control) const
{
    return Untouched(control).value_or(SavedValue(key, control));
}
