#include "hangar/pages/text_limit.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/textctrl.h>

namespace
{
// Kept by a limited control as its client object.
struct TextLimit : public wxClientData
{
    explicit TextLimit(std::size_t maxLength) : m_maxLength(maxLength) {}

    std::size_t m_maxLength;
    wxString m_previous;  // the text after the last change
    bool m_whole = false; // the launcher is putting in a text to be kept whole
};

TextLimit* LimitOf(const wxTextCtrl* control)
{
    return dynamic_cast<TextLimit*>(control->GetClientObject());
}

// Characters that typing or pasting may still add, after the selection is replaced. The
// selection is measured by its text, not by its positions: a multi-line Windows edit control
// gives each line break two positions, where the value (and the saved setting) has one character.
std::size_t Room(const wxTextCtrl* control, std::size_t maxLength)
{
    const std::size_t length = control->GetValue().length();
    const std::size_t selected = std::min(control->GetStringSelection().length(), length);
    const std::size_t kept = length - selected;
    return kept >= maxLength ? 0 : maxLength - kept;
}

wxString ClipboardText()
{
    wxString text;
    wxClipboardLocker lock;
    if (!!lock && wxTheClipboard->IsSupported(wxDF_UNICODETEXT))
    {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data))
            text = data.GetText();
    }
    return text;
}

void OnChar(wxTextCtrl* control, wxKeyEvent& event)
{
    const int code = event.GetKeyCode();
    const bool newLine = control->IsMultiLine() && (code == WXK_RETURN || code == WXK_NUMPAD_ENTER);
    const bool inserts = event.GetUnicodeKey() >= 32 || newLine;
    const bool shortcut = event.ControlDown() || event.AltDown();
    if (inserts && !shortcut && code != WXK_DELETE &&
        Room(control, LimitOf(control)->m_maxLength) == 0)
        return; // swallowed: the field is full
    event.Skip();
}

void OnPaste(wxTextCtrl* control)
{
    const wxString pasted = ClipboardText();
    control->WriteText(pasted.Left(Room(control, LimitOf(control)->m_maxLength)));
}

// A change that made the text longer than the limit and than it was, other than a whole text put
// in by the launcher, is cut back: to the limit, or, when the text was already longer (a loaded
// value), to what it was, so that nothing of that value is lost.
void OnText(wxTextCtrl* control, wxCommandEvent& event)
{
    TextLimit* limit = LimitOf(control);
    const wxString text = control->GetValue();
    if (!limit->m_whole && text.length() > limit->m_maxLength &&
        text.length() > limit->m_previous.length())
    {
        const bool wasLong = limit->m_previous.length() >= limit->m_maxLength;
        const long insertion = control->GetInsertionPoint();
        control->ChangeValue(wasLong ? limit->m_previous : text.Left(limit->m_maxLength));
        control->SetInsertionPoint(std::min(insertion, control->GetLastPosition()));
    }
    limit->m_previous = control->GetValue();
    event.Skip();
}
} // namespace

void LimitTextLength(wxTextCtrl* control, std::size_t maxLength)
{
    TextLimit* limit = new TextLimit(maxLength);
    limit->m_previous = control->GetValue();
    control->SetClientObject(limit); // owned and deleted by the control
    control->Bind(wxEVT_CHAR, [control](wxKeyEvent& event) { OnChar(control, event); });
    control->Bind(wxEVT_TEXT_PASTE, [control](wxClipboardTextEvent&) { OnPaste(control); });
    control->Bind(wxEVT_TEXT, [control](wxCommandEvent& event) { OnText(control, event); });
}

void SetTextWhole(wxTextCtrl* control, const wxString& text)
{
    TextLimit* limit = LimitOf(control);
    if (limit)
        limit->m_whole = true;
    control->SetValue(text);
    if (limit)
    {
        limit->m_whole = false;
        limit->m_previous = control->GetValue();
    }
}
