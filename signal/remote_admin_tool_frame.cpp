#include "signal/remote_admin_tool_frame.h"

#include "resources/images.h"
#include "signal/core/console_texts.h"
#include "signal/remote_admin_tool.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

RemoteAdminToolFrame::RemoteAdminToolFrame(RemoteAdminTool* app) : m_app(app)
{
    SetIcons(ProgramIcons());
    wxButton* disconnect = new wxButton(this, kDisconnectId, "Discconect");
    m_commandSizer->Add(disconnect, 0, wxEXPAND | wxRIGHT | wxBOTTOM, FromDIP(3));
    Bind(wxEVT_BUTTON, &RemoteAdminToolFrame::OnDisconnect, this, kDisconnectId);
}

void RemoteAdminToolFrame::SendCommand(wxString command)
{
    m_app->SendText(command);
}

void RemoteAdminToolFrame::OnCloseWindow(wxCloseEvent& /*event*/)
{
    m_app->PostQuit(0);
}

void RemoteAdminToolFrame::OnDisconnect(wxCommandEvent& /*event*/)
{
    SetTitle(ConsoleTitle());
    m_app->CloseConnection();
    ClearConsole();
    m_commandEntry->SetFocus();
}

void RemoteAdminToolFrame::HoldForAttempt(bool hold)
{
    if (hold)
        Enable();
    // The progress dialog is among the children, and stays usable.
    for (wxWindow* child : GetChildren())
        if (!child->IsTopLevel())
            child->Enable(!hold);
}
