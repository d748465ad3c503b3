#include "tests/hangar_gui/page_test_support.h"

#include "hangar/window_ids.h"
#include "tests/support/gui_helpers.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace
{
wxButton* FindButton(wxWindow* window, int id)
{
    for (wxWindow* child : window->GetChildren())
    {
        if (wxButton* button = wxDynamicCast(child, wxButton); button && button->GetId() == id)
            return button;
        if (wxDynamicCast(child, wxNotebook))
            continue; // the pages' controls reuse the small ids
        if (wxButton* found = FindButton(child, id))
            return found;
    }
    return nullptr;
}
} // namespace

wxButton* FindFrameButton(HangarFrame* frame, int id)
{
    return FindButton(frame, id);
}

void ResetPage(HangarFrame* frame, int pageIndex)
{
    frame->GetNotebook()->SetSelection(pageIndex);
    Flush();
    ClickButton(FindFrameButton(frame, FrameId::ResetToDefaults));
    Flush();
}

void SendMenuCommand(HangarFrame* frame, int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
    Flush();
}

wxString ControlValue(wxWindow* control)
{
    if (auto* text = wxDynamicCast(control, wxTextCtrl))
        return text->GetValue();
    if (auto* box = wxDynamicCast(control, wxCheckBox))
        return box->GetValue() ? "True" : "False";
    if (auto* choice = wxDynamicCast(control, wxChoice))
        return choice->GetStringSelection();
    if (auto* list = wxDynamicCast(control, wxListBox))
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
    if (auto* text = wxDynamicCast(control, wxTextCtrl))
        text->ChangeValue(text->GetValue() + "9");
    else if (auto* box = wxDynamicCast(control, wxCheckBox))
        box->SetValue(!box->GetValue());
    else if (auto* choice = wxDynamicCast(control, wxChoice))
        choice->SetSelection(choice->GetCount() > 1 && choice->GetSelection() != 1 ? 1 : 0);
    else if (auto* list = wxDynamicCast(control, wxListBox))
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
        if (auto* box = wxDynamicCast(child, wxStaticBox))
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
            if (auto* label = wxDynamicCast(sizer->GetItem(j)->GetWindow(), wxStaticText))
                return label->GetLabel();
        }
    }
    return wxEmptyString;
}
