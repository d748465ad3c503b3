#include "signal/login_progress_dialog.h"

#include <wx/evtloop.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

LoginProgressDialog::LoginProgressDialog(const wxString& title, const wxString& message,
                                         wxWindow* parent)
    : wxGenericProgressDialog(title, message, 100, parent,
                              wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_SMOOTH)
{
    Bind(wxEVT_PAINT,
         [this](wxPaintEvent& event)
         {
             m_painted = true;
             event.Skip();
         });
    // Bound handlers come before the dialog's own event table.
    Bind(wxEVT_BUTTON, &LoginProgressDialog::OnCancelButton, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &LoginProgressDialog::OnCloseBox, this);
}

void LoginProgressDialog::OnCancelButton(wxCommandEvent& event)
{
    if (!m_onCancel)
    {
        event.Skip();
        return;
    }
    // A copy: the handler may replace itself.
    const std::function<void()> onCancel = m_onCancel;
    onCancel();
}

void LoginProgressDialog::OnCloseBox(wxCloseEvent& event)
{
    if (!m_onCancel || !event.CanVeto())
    {
        event.Skip();
        return;
    }
    event.Veto();
    const std::function<void()> onCancel = m_onCancel;
    onCancel();
}

bool LoginProgressDialog::WaitUntilPainted(long timeoutMs)
{
    wxStopWatch watch;
    while (!m_painted && watch.Time() < timeoutMs)
    {
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
        if (!m_painted)
            wxMilliSleep(1); // the window manager and the X server answer meanwhile
    }
    Update(); // what is still to be drawn is drawn now
    return m_painted;
}

void LoginProgressDialog::Advance(int value, const wxString& message)
{
    // An update returns at once, changing nothing, when the dialog took a Cancel click as its own
    // (one made while no cancel handler was set): the cancel is withdrawn and the update made
    // again, so the outcome is always shown.
    for (;;)
    {
        if (WasCancelled())
            Resume();
        if (Update(value, message) || !WasCancelled())
            return;
    }
}
