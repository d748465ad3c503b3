#pragma once

#include "signal/admin_tool_frame.h"

class RemoteAdminTool;

// The console window of the remote console: commands go to the application's connection, and
// "Discconect" ends that connection.
class RemoteAdminToolFrame : public AdminToolFrame
{
public:
    // Shares its id with the command entry, which raises only text-enter events.
    static constexpr int kDisconnectId = 0;

    explicit RemoteAdminToolFrame(RemoteAdminTool* app);

    void SendCommand(wxString command) override;
    // Posts the quit request; the window is neither destroyed nor kept open here.
    void OnCloseWindow(wxCloseEvent& event) override;
    // Resets the title, ends the connection without a word to the server, empties the console
    // and gives the focus to the command entry.
    virtual void OnDisconnect(wxCommandEvent& event);

    // While a connection attempt runs, the window takes no command but keeps its close box: the
    // toolkit ignores the close box of a disabled window, so the window itself stays enabled
    // and its controls are disabled instead.
    void HoldForAttempt(bool hold);

private:
    RemoteAdminTool* m_app;
};
