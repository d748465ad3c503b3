#include "hangar/pages/text_limit.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/textctrl.h>

namespace
{
// Characters that typing or pasting may still add, after the selection is replaced.
std::size_t Room(const wxTextCtrl* control, std::size_t maxLength)
{
    long from = 0;
    long to = 0;
    control->GetSelection(&from, &to);
    const std::size_t kept = control->GetValue().length() - static_cast<std::size_t>(to - from);
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

void LimitMultiLine(wxTextCtrl* control, std::size_t maxLength)
{
    control->Bind(wxEVT_CHAR,
                  [control, maxLength](wxKeyEvent& event)
                  {
                      const int code = event.GetKeyCode();
                      const bool inserts = event.GetUnicodeKey() >= 32 || code == WXK_RETURN ||
                                           code == WXK_NUMPAD_ENTER;
                      const bool shortcut = event.ControlDown() || event.AltDown();
                      if (inserts && !shortcut && code != WXK_DELETE &&
                          Room(control, maxLength) == 0)
                          return; // swallowed: the field is full
                      event.Skip();
                  });
    control->Bind(wxEVT_TEXT_PASTE,
                  [control, maxLength](wxClipboardTextEvent&)
                  {
                      const wxString pasted = ClipboardText();
                      control->WriteText(pasted.Left(Room(control, maxLength)));
                  });
    control->Bind(wxEVT_TEXT,
                  [control, maxLength](wxCommandEvent& event)
                  {
                      const wxString text = control->GetValue();
                      if (text.length() > maxLength)
                      {
                          const long insertion = control->GetInsertionPoint();
                          control->ChangeValue(text.Left(maxLength));
                          control->SetInsertionPoint(
                              std::min<long>(insertion, static_cast<long>(maxLength)));
                      }
                      event.Skip();
                  });
}
} // namespace

void LimitTextLength(wxTextCtrl* control, std::size_t maxLength)
{
    if (control->IsMultiLine())
        LimitMultiLine(control, maxLength);
    else
        control->SetMaxLength(static_cast<unsigned long>(maxLength));
}
