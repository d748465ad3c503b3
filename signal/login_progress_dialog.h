#pragma once

#include <functional>
#include <wx/progdlg.h>

// The progress dialog of one connection attempt: application-modal; Cancel ends the attempt.
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

    // While the attempt runs: Cancel, Escape and the close box call onCancel at once, instead of
    // leaving the request for the next update. An empty handler gives them back to the dialog
    // (which closes itself once finished).
    void SetCancelHandler(std::function<void()> onCancel) { m_onCancel = std::move(onCancel); }

    // Shows message at value. At the maximum the dialog waits for the operator to close it, unless
    // HideWhenFinished was called.
    void Advance(int value, const wxString& message);

    // From now on reaching the maximum hides the dialog at once and enables the other windows
    // again. The toolkit reads its style only at creation, so the flag is set on the dialog's own
    // copy; the other flags stay, so that the windows it disabled are enabled again.
    void HideWhenFinished() { SetPDStyle(GetPDStyle() | wxPD_AUTO_HIDE); }

private:
    void OnCancelButton(wxCommandEvent& event);
    void OnCloseBox(wxCloseEvent& event);

    bool m_painted = false;
    std::function<void()> m_onCancel;
};
