#include "hangar/control_values.h"

#include "hangar/core/value_codec.h"
#include "hangar/pages/range_validator.h"
#include "hangar/pages/text_limit.h"

#include <climits>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/confbase.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

namespace
{
const wxString kRounds = "Rounds";
const wxString kRotationList = "RotationList";

wxString ListText(const wxListBox* list)
{
    return JoinStrings(list->GetStrings(), kListSeparator);
}

// Sets a field's text whole: the pages' limits hold only what the user types or pastes. Only
// GTK's own bounds remain: a single-line field holds at most 65535 characters and keeps the start
// of a longer text, and one with the toolkit's maximum length takes NOTHING of a longer text
// (should one ever be used, it gets the longest start of the text that it takes).
void SetFieldText(wxTextCtrl* field, const wxString& text)
{
    SetTextWhole(field, text);
    if (field->IsMultiLine() || field->GetValue().length() >= text.length() || !field->IsEmpty())
        return;
    size_t fits = 0;                // the start of this length is taken
    size_t refused = text.length(); // the start of this length is not
    while (refused - fits > 1)
    {
        const size_t middle = fits + (refused - fits) / 2;
        field->ChangeValue(text.Left(middle));
        if (field->GetValue().length() == middle)
            fits = middle;
        else
            refused = middle;
    }
    field->ChangeValue(wxString());
    SetTextWhole(field, text.Left(fits));
}
} // namespace

wxString SavedValue(const wxString& key, wxWindow* control)
{
    if (key == kRotationList)
    {
        const wxListBox* list = dynamic_cast<const wxListBox*>(control);
        return list ? ListText(list) : wxString();
    }
    if (const wxTextCtrl* text = dynamic_cast<const wxTextCtrl*>(control))
        return key == kRounds ? RoundsForFile(text->GetValue()) : text->GetValue();
    if (const wxCheckBox* box = dynamic_cast<const wxCheckBox*>(control))
        return CheckBoxText(box->GetValue());
    if (const wxChoice* choice = dynamic_cast<const wxChoice*>(control))
        return choice->GetSelection() == wxNOT_FOUND ? wxString() : choice->GetStringSelection();
    if (const wxListBox* list = dynamic_cast<const wxListBox*>(control))
        return ListText(list);
    return wxString();
}

void LoadValue(const wxString& key, wxWindow* control, const wxConfigBase& config)
{
    wxString stored;
    if (wxTextCtrl* text = dynamic_cast<wxTextCtrl*>(control))
    {
        if (!config.Read(key, &stored))
            return;
        const RangeValidator* range = dynamic_cast<const RangeValidator*>(text->GetValidator());
        if (key == kRounds)
            stored = RoundsForField(stored, range ? range->GetMaxValue() : INT_MAX);
        SetFieldText(text, stored);
    }
    else if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(control))
    {
        if (!config.Read(key, &stored))
            return;
        if (const std::optional<bool> state = CheckBoxState(stored))
            box->SetValue(*state);
    }
    else if (wxChoice* choice = dynamic_cast<wxChoice*>(control))
    {
        if (!config.Read(key, &stored))
            return;
        int index = ChoiceIndex(choice->GetStrings(), stored);
        if (index == wxNOT_FOUND && !stored.empty())
            index = choice->Append(stored); // kept as it is, after the listed items
        if (index != wxNOT_FOUND)
            choice->SetSelection(index);
    }
    else if (wxListBox* list = dynamic_cast<wxListBox*>(control))
    {
        config.Read(key, &stored);
        const wxArrayString pieces = SplitString(stored, kListSeparator);
        if (!pieces.empty())
            list->Append(pieces);
    }
}
