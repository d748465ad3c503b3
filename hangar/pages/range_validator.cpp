#include "hangar/pages/range_validator.h"

#include "hangar/core/range_check.h"

#include <wx/msgdlg.h>
#include <wx/textctrl.h>

wxBEGIN_EVENT_TABLE(RangeValidator, wxValidator)
    EVT_CHAR(RangeValidator::OnChar)
wxEND_EVENT_TABLE()

RangeValidator::RangeValidator(std::int32_t minValue, std::int32_t maxValue, wxString* text)
    : m_minValue(minValue), m_maxValue(maxValue), m_text(text)
{
}

RangeValidator::RangeValidator(const RangeValidator& other)
    : wxValidator(), m_minValue(other.m_minValue), m_maxValue(other.m_maxValue),
      m_text(other.m_text), m_acceptedText(other.m_acceptedText)
{
    Copy(other);
}

wxObject* RangeValidator::Clone() const
{
    return new RangeValidator(*this);
}

bool RangeValidator::CheckValidator() const
{
    return m_text != nullptr && m_maxValue >= m_minValue &&
           dynamic_cast<wxTextCtrl*>(GetWindow()) != nullptr;
}

int RangeValidator::CheckRange(const wxString& text, bool final) const
{
    return CheckRangeText(text, final, m_minValue, m_maxValue);
}

bool RangeValidator::IsAcceptable() const
{
    if (!CheckValidator())
        return false;
    const wxString text = static_cast<wxTextCtrl*>(GetWindow())->GetValue();
    return (!m_acceptedText.empty() && text == m_acceptedText) || CheckRange(text, true) == 0;
}

bool RangeValidator::Validate(wxWindow* /*parent*/)
{
    if (!CheckValidator())
        return false;
    if (IsAcceptable())
        return true;
    const int result = CheckRange(static_cast<wxTextCtrl*>(GetWindow())->GetValue(), true);
    if (result < 0)
        wxMessageBox("value is too small", wxMessageBoxCaptionStr, wxOK | wxCENTRE, nullptr);
    else if (result > 0)
        wxMessageBox("value is too big", wxMessageBoxCaptionStr, wxOK | wxCENTRE, nullptr);
    return result == 0;
}

bool RangeValidator::TransferToWindow()
{
    if (!CheckValidator())
        return false;
    static_cast<wxTextCtrl*>(GetWindow())->SetValue(*m_text);
    return true;
}

bool RangeValidator::TransferFromWindow()
{
    if (!CheckValidator())
        return false;
    *m_text = static_cast<wxTextCtrl*>(GetWindow())->GetValue();
    return true;
}

void RangeValidator::OnChar(wxKeyEvent& event)
{
    // Control characters (Backspace, Tab, Enter, Ctrl+letter shortcuts, Delete) and special keys
    // (navigation, function keys) pass unjudged. A character outside Latin-1 arrives with key code
    // 0 and only a Unicode key: it is judged as the character it is, not as a control key.
    const int code = event.GetKeyCode();
    const int character = static_cast<int>(event.GetUnicodeKey());
    const bool controlChar = code != WXK_NONE && (code < 32 || code == WXK_DELETE);
    const bool specialKey = character == WXK_NONE && (code == WXK_NONE || code >= WXK_START);
    if (controlChar || specialKey || !CheckValidator())
    {
        event.Skip();
        return;
    }
    const int key = character != WXK_NONE ? character : code;
    if (!(key >= '0' && key <= '9') && key != '-')
        return;

    wxTextCtrl* control = static_cast<wxTextCtrl*>(GetWindow());
    wxString candidate = control->GetValue();
    long from = 0;
    long to = 0;
    control->GetSelection(&from, &to);
    if (from < to)
        candidate.erase(from, to - from);
    else
        from = control->GetInsertionPoint();
    candidate.insert(from, 1, static_cast<wxChar>(key));

    if (CheckRange(candidate, false) == 0)
        event.Skip();
}
