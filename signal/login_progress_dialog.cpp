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
    // An update returns at once, changing nothing, when a Cancel click is handled at its start
    // (a click made while a wait was going on may be handled only then): the cancel is withdrawn
    // and the update made again, so the outcome is always shown.
    for (;;)
    {
        if (WasCancelled())
            Resume();
        if (Update(value, message) || !WasCancelled())
            return;
    }
}
