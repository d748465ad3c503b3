#include "tests/hangar_gui/page_test_support.h"

#include "hangar/pages/range_validator.h"
#include "hangar/window_ids.h"
#include "tests/support/gui_helpers.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

void ResetPage(HangarFrame* frame, int pageIndex)
{
    frame->GetNotebook()->SetSelection(pageIndex);
    Flush();
    ClickButton(FindButton(frame, FrameId::ResetToDefaults));
    Flush();
}

wxString ControlValue(wxWindow* control)
{
    if (auto* text = dynamic_cast<wxTextCtrl*>(control))
        return text->GetValue();
    if (auto* box = dynamic_cast<wxCheckBox*>(control))
        return box->GetValue() ? "True" : "False";
    if (auto* choice = dynamic_cast<wxChoice*>(control))
        return choice->GetStringSelection();
    if (auto* list = dynamic_cast<wxListBox*>(control))
    {
        wxString joined;
        for (unsigned i = 0; i < list->GetCount(); ++i)
            joined += (i ? "," : "") + list->GetString(i);
        return joined;
    }
    return wxEmptyString;
}

void ChangeControl(wxWindow* control)
{
    auto* text = dynamic_cast<wxTextCtrl*>(control);
    auto* number = text ? dynamic_cast<RangeValidator*>(text->GetValidator()) : nullptr;
    if (number)
    {
        const wxString old = text->GetValue();
        for (const char* candidate : {"3", "1025"})
        {
            text->ChangeValue(candidate);
            if (number->IsAcceptable() && old != candidate)
                return;
        }
    }
    else if (text)
        text->ChangeValue(text->GetValue() + "9");
    else if (auto* box = dynamic_cast<wxCheckBox*>(control))
        box->SetValue(!box->GetValue());
    else if (auto* choice = dynamic_cast<wxChoice*>(control))
        choice->SetSelection(choice->GetCount() > 1 && choice->GetSelection() != 1 ? 1 : 0);
    else if (auto* list = dynamic_cast<wxListBox*>(control))
        list->Append("ChangedMap");
}

std::map<wxString, wxString> SectionValues(HangarFrame* frame)
{
    std::map<wxString, wxString> values;
    for (const auto& [key, control] : frame->GetSection().m_controls)
        values[key] = ControlValue(control);
    return values;
}

int PageOf(HangarFrame* frame, wxWindow* control)
{
    wxNotebook* notebook = frame->GetNotebook();
    for (wxWindow* window = control; window; window = window->GetParent())
    {
        if (window->GetParent() == notebook)
            return notebook->FindPage(window);
    }
    return -1;
}

wxString GroupCaption(wxWindow* control)
{
    // control -> inner panel -> outer panel, which holds the static box.
    wxWindow* outer = control->GetParent() ? control->GetParent()->GetParent() : nullptr;
    if (!outer)
        return "<no group>";
    for (wxWindow* child : outer->GetChildren())
    {
        if (auto* box = dynamic_cast<wxStaticBox*>(child))
            return box->GetLabel();
    }
    return "<no group>";
}

wxString FieldCaption(wxWindow* field)
{
    wxSizer* sizer = field->GetContainingSizer();
    if (!sizer)
        return wxEmptyString;
    for (size_t i = 1; i < sizer->GetItemCount(); ++i)
    {
        if (sizer->GetItem(i)->GetWindow() != field)
            continue;
        for (size_t j = i; j-- > 0;)
        {
            if (auto* label = dynamic_cast<wxStaticText*>(sizer->GetItem(j)->GetWindow()))
                return label->GetLabel();
        }
    }
    return wxEmptyString;
}
