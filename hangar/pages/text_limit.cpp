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
    wxString m_previous;       // the text after the last change
    bool m_whole = false;      // the launcher is putting in a text to be kept whole
    bool m_cutPending = false; // CutBack is to run once the current change is done
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

// The part of `text` that a change inserted into `previous`: what stands between the start and the
// end the two share.
struct Insertion
{
    size_t m_at = 0;
    size_t m_length = 0;
};

Insertion InsertedPart(const wxString& previous, const wxString& text)
{
    const size_t shortest = std::min(previous.length(), text.length());
    size_t start = 0;
    while (start < shortest && previous[start] == text[start])
        ++start;
    size_t end = 0; // the length of the shared end, never reaching into the shared start
    while (end < shortest - start &&
           previous[previous.length() - 1 - end] == text[text.length() - 1 - end])
        ++end;
    return {start, text.length() - end - start};
}

// A change that made the text longer than the limit and than it was is cut back: the text it
// inserted keeps only the start that fits, where it was inserted, so that nothing the field held is
// lost (text dropped in or put in by an input method arrives so). A text that was already longer (a
// loaded value) goes back to what it was.
void CutBack(wxTextCtrl* control)
{
    TextLimit* limit = LimitOf(control);
    const wxString text = control->GetValue();
    const wxString& previous = limit->m_previous;
    if (text.length() > limit->m_maxLength && text.length() > previous.length())
    {
        if (previous.length() >= limit->m_maxLength)
        {
            const long insertion = control->GetInsertionPoint();
            control->ChangeValue(previous);
            control->SetInsertionPoint(std::min(insertion, control->GetLastPosition()));
        }
        else
        {
            const Insertion inserted = InsertedPart(previous, text);
            const size_t kept = text.length() - inserted.m_length;
            const size_t fits = limit->m_maxLength > kept ? limit->m_maxLength - kept : 0;
            control->ChangeValue(text.Left(inserted.m_at) + text.Mid(inserted.m_at, fits) +
                                 text.Mid(inserted.m_at + inserted.m_length));
            control->SetInsertionPoint(static_cast<long>(inserted.m_at + fits));
        }
    }
    limit->m_previous = control->GetValue();
}

// A whole text put in by the launcher is kept. A multi-line control is cut back only once the
// toolkit has finished the insertion that raised the event: GTK's text buffer goes on using its
// place in the old text, and changing the text under it crashes.
void OnText(wxTextCtrl* control, wxCommandEvent& event)
{
    event.Skip();
    TextLimit* limit = LimitOf(control);
    if (limit->m_whole)
        return;
    if (!control->IsMultiLine() || control->GetValue().length() <= limit->m_maxLength)
    {
        CutBack(control); // nothing to cut in a multi-line field: its text stays as it is
        return;
    }
    if (limit->m_cutPending)
        return;
    limit->m_cutPending = true;
    control->CallAfter(
        [control]
        {
            LimitOf(control)->m_cutPending = false;
            CutBack(control);
        });
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
