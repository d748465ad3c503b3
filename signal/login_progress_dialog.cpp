#include "signal/login_progress_dialog.h"

LoginProgressDialog::LoginProgressDialog(const wxString& title, const wxString& message,
                                         wxWindow* parent)
    : wxProgressDialog(title, message, 100, parent, wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_SMOOTH)
{
}

void LoginProgressDialog::Advance(int value, const wxString& message)
{
    // A cancelled dialog ignores updates: it would neither show the outcome nor wait.
    if (WasCancelled())
        Resume();
    Update(value, message);
}
