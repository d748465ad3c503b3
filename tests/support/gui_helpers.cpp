#include "tests/support/gui_helpers.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

bool TypeChar(wxTextCtrl* control, int keyCode, wxChar unicode)
{
    wxKeyEvent event(wxEVT_CHAR);
    event.SetEventObject(control);
    event.SetId(control->GetId());
    event.m_keyCode = keyCode;
    event.m_uniChar = unicode ? unicode : (keyCode < WXK_START ? keyCode : 0);
    // ProcessWindowEvent returns true when a handler took the event without skipping it.
    const bool swallowed = control->GetEventHandler()->ProcessEvent(event);
    if (swallowed)
        return false;
    const int character = event.m_uniChar ? static_cast<int>(event.m_uniChar) : keyCode;
    if (keyCode == WXK_RETURN && control->IsMultiLine())
        control->WriteText("\n");
    else if (character >= 32 && character != WXK_DELETE && keyCode < WXK_START)
        control->WriteText(wxString(static_cast<wxChar>(character)));
    return true;
}

void ExpectTheScaleAskedFor(const wxWindow* window)
{
    wxString dpi;
    if (wxGetEnv("IC_TEST_DPI", &dpi))
    {
        EXPECT_EQ(dpi, wxString::Format("%d", window->GetDPI().y));
    }
}

void ExpectChildrenInsideAtNaturalSize(const wxWindow* window)
{
    const wxRect client(window->GetClientSize());
    for (const wxWindow* control : window->GetChildren())
    {
        if (!control->IsShown() || dynamic_cast<const wxStatusBar*>(control))
            continue;
        const wxRect rect = control->GetRect();
        const wxSize natural = control->GetBestSize();
        EXPECT_TRUE(client.Contains(rect)) << control->GetLabel();
        EXPECT_GE(rect.width, natural.x) << control->GetLabel();
        EXPECT_GE(rect.height, natural.y) << control->GetLabel();
    }
}

int TypeText(wxTextCtrl* control, const wxString& text)
{
    int typed = 0;
    for (wxUniChar c : text)
    {
        if (c == '\n')
        {
            typed += TypeChar(control, WXK_RETURN) ? 1 : 0;
            continue;
        }
        typed += TypeChar(control, c.GetValue() < 256 ? static_cast<int>(c.GetValue()) : WXK_NONE,
                          static_cast<wxChar>(c.GetValue()))
                     ? 1
                     : 0;
    }
    return typed;
}

void SendCommand(wxWindow* window, wxEventType type, int intValue)
{
    wxCommandEvent event(type, window->GetId());
    event.SetEventObject(window);
    event.SetInt(intValue);
    window->GetEventHandler()->ProcessEvent(event);
}

void ClickCheckBox(wxCheckBox* box)
{
    box->SetValue(!box->GetValue());
    SendCommand(box, wxEVT_CHECKBOX, box->GetValue() ? 1 : 0);
}

void ClickButton(wxButton* button)
{
    SendCommand(button, wxEVT_BUTTON);
}

wxButton* FindButton(wxWindow* window, int id)
{
    for (wxWindow* child : window->GetChildren())
    {
        if (wxButton* button = dynamic_cast<wxButton*>(child); button && button->GetId() == id)
            return button;
        if (dynamic_cast<wxNotebook*>(child))
            continue;
        if (wxButton* found = FindButton(child, id))
            return found;
    }
    return nullptr;
}

void SelectListItem(wxListBox* list, int index)
{
    list->SetSelection(index);
    SendCommand(list, wxEVT_LISTBOX, index);
}

void SelectChoiceItem(wxChoice* choice, int index)
{
    choice->SetSelection(index);
    SendCommand(choice, wxEVT_CHOICE, index);
}
