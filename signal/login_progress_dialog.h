#pragma once

#include <wx/progdlg.h>

// The progress dialog of one connection attempt: application-modal, its Cancel button ignored.
// It is the toolkit's generic dialog on every system, a window of the program's user-interface
// thread (the native one on Windows would run in a thread of its own).
class LoginProgressDialog : public wxGenericProgressDialog
{
public:
    LoginProgressDialog(const wxString& title, const wxString& message, wxWindow* parent);

    // Handles the toolkit's interface events until the dialog has been painted on screen (under a
    // window manager it appears some time after it was shown), for at most timeoutMs; false when
    // it was not painted in that time.
    bool WaitUntilPainted(long timeoutMs);

    // Shows message at value; the attempt goes on even when the operator pressed Cancel, whenever
    // that was. At the maximum the dialog waits for the operator to close it, unless
    // HideWhenFinished was called.
    void Advance(int value, const wxString& message);

    // From now on reaching the maximum hides the dialog at once and enables the other windows
    // again. The toolkit reads its style only at creation, so the flag is set on the dialog's own
    // copy; the other flags stay, so that the windows it disabled are enabled again.
    void HideWhenFinished() { SetPDStyle(GetPDStyle() | wxPD_AUTO_HIDE); }

private:
    bool m_painted = false;
};
