#pragma once

#include <map>
#include <wx/string.h>

class wxWindow;

// One group of the settings file: the table from setting key (case-sensitive, unique) to the page
// control that carries it, and the section name. The controls are not owned.
struct SettingsSection
{
    std::map<wxString, wxWindow*> m_controls;
    wxString m_name;

    void Register(const wxString& key, wxWindow* control) { m_controls[key] = control; }
    wxWindow* Find(const wxString& key) const
    {
        const auto it = m_controls.find(key);
        return it == m_controls.end() ? nullptr : it->second;
    }
};
