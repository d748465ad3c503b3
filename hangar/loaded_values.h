#pragma once

#include <map>
#include <memory>
#include <optional>
#include <wx/string.h>

class wxWindow;

// What the settings file held for each page control, and whether the operator has edited the
// control since it was loaded. A control left untouched is saved with exactly the text it was
// loaded from, whatever it can show: a check box's other spellings, a number beyond its field's
// range, a text longer than the field holds. An edited control, or one whose value the launcher
// changed itself (a load rule), is saved as it shows.
class LoadedValues
{
public:
    LoadedValues();

    // Watches the control for the operator's edits: its text, check box and choice events.
    void Watch(wxWindow* control);
    // Forgets every stored text: each control is saved as it shows (a new document, a load).
    void Clear();
    // The control has just been loaded from `stored`, the text stored under key.
    void Loaded(const wxString& key, wxWindow* control, const wxString& stored);
    // The control counts as edited (Reset to Defaults).
    void MarkEdited(wxWindow* control);

    // The stored text of an untouched control; nothing for any other.
    std::optional<wxString> Untouched(wxWindow* control) const;
    // The text a save writes for the control carrying key: the stored text while it is untouched,
    // otherwise its value by its kind (SavedValue).
    wxString SaveText(const wxString& key, wxWindow* control) const;

private:
    struct Entry
    {
        wxString m_key;
        wxString m_stored;
        wxString m_shown; // the control's value right after the load
        bool m_edited = false;
    };
    using Entries = std::map<wxWindow*, Entry>;

    // Shared with the controls' event handlers, which may outlive this object.
    std::shared_ptr<Entries> m_entries;
};
