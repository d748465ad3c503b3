#include "signal/admin_tool_frame.h"

#include "common/scale_change.h"
#include "signal/core/console_texts.h"
#include "signal/platform/accessible_name.h"
#include "signal/platform/console_scroll.h"

#include <wx/button.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

AdminToolFrame::AdminToolFrame()
    : wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

    wxBoxSizer* frameSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(frameSizer);

    m_console = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH);
    frameSizer->Add(m_console, 1, wxEXPAND | wxALL, FromDIP(3));
    m_console->SetFont(wxFont(8, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL,
                              false, wxEmptyString, wxFONTENCODING_DEFAULT));
    m_console->SetBackgroundColour(*wxBLACK);
    m_console->SetForegroundColour(*wxGREEN);
    m_console->SetDefaultStyle(wxTextAttr(*wxGREEN, *wxBLACK));
    SetAccessibleName(*m_console, "Server output");

    m_commandSizer = new wxBoxSizer(wxHORIZONTAL);
    frameSizer->Add(m_commandSizer, 0, wxEXPAND, 0);
    m_commandEntry = new wxTextCtrl(this, kCommandEntryId, wxEmptyString, wxDefaultPosition,
                                    wxDefaultSize, wxTE_PROCESS_ENTER);
    m_commandSizer->Add(m_commandEntry, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(3));
    SetAccessibleName(*m_commandEntry, "Command");
    m_commandEntry->SetFocus();
    m_executeButton = new wxButton(this, kExecuteId, "Execute");
    m_commandSizer->Add(m_executeButton, 0, wxEXPAND | wxRIGHT | wxBOTTOM, FromDIP(3));
    m_commandEntry->SetFocus();

    Bind(wxEVT_TEXT_ENTER, &AdminToolFrame::OnExecute, this, kCommandEntryId);
    Bind(wxEVT_BUTTON, &AdminToolFrame::OnExecute, this, kExecuteId);
    Bind(wxEVT_CLOSE_WINDOW, &AdminToolFrame::OnCloseWindow, this, GetId());
    LayOutAgainOnScaleChange(this);
}

void AdminToolFrame::OnExecute(wxCommandEvent& /*event*/)
{
    const wxString command = TrimCommand(m_commandEntry->GetValue());
    if (command.empty())
    {
        m_commandEntry->SetValue(wxEmptyString);
        return;
    }
    m_console->SetDefaultStyle(wxTextAttr(wxColour(255, 255, 0), wxNullColour, wxNullFont));
    AppendToConsole(CommandEcho(command));
    ShowNewestLine();
    m_console->SetDefaultStyle(wxTextAttr(*wxGREEN, wxNullColour, wxNullFont));
    SendCommand(command);
    m_commandEntry->SetValue(wxEmptyString);
}

void AdminToolFrame::AppendServerText(const wxString& text)
{
    if (text.empty())
        return;
    AppendToConsole(text);
    ShowNewestLine();
}

void AdminToolFrame::FocusCommandEntry()
{
    Raise();
    m_commandEntry->SetFocus();
}

void AdminToolFrame::AppendToConsole(const wxString& text)
{
    m_console->AppendText(m_screenLines.Break(text));
}

void AdminToolFrame::ClearConsole()
{
    m_console->Clear();
    m_screenLines.Reset();
}

void AdminToolFrame::ShowNewestLine()
{
    ScrollToNewestLine(*m_console);
}
