#pragma once

#include "signal/core/screen_lines.h"

#include <wx/frame.h>

class wxBoxSizer;
class wxButton;
class wxTextCtrl;

// The console window's base: the green-on-black console above a command row with the command
// entry and "Execute". What a command does and what closing means is left to the derived window.
class AdminToolFrame : public wxFrame
{
public:
    // Window ids within the frame; the entry raises only text-enter events, so it can share its id
    // with a button.
    static constexpr int kCommandEntryId = 0;
    static constexpr int kExecuteId = 1;

    AdminToolFrame();

    // Hands one trimmed, non-empty command to the connection.
    virtual void SendCommand(wxString command) = 0;
    virtual void OnCloseWindow(wxCloseEvent& event) = 0;
    // Enter in the entry and "Execute": echoes the trimmed command in yellow and sends it; a
    // blank command only clears the entry.
    virtual void OnExecute(wxCommandEvent& event);

    // Appends text the server sent, in the console's current default style (green). Empty text
    // changes nothing on screen.
    void AppendServerText(const wxString& text);
    // The console is usable again: the window comes to the front with the keyboard focus in the
    // command entry. (A modal dialog leaves the window without a focused control.)
    void FocusCommandEntry();

    wxTextCtrl* GetConsole() const { return m_console; }
    wxTextCtrl* GetCommandEntry() const { return m_commandEntry; }
    wxButton* GetExecuteButton() const { return m_executeButton; }

protected:
    // Appends text to the console, broken into lines of a bounded length on screen.
    void AppendToConsole(const wxString& text);
    // Empties the console.
    void ClearConsole();
    // After an append: scrolls one step towards the top, as the console always has. The toolkit
    // brings the end of the text into view after the append has been laid out, so on screen the
    // newest line stays visible (checked under X: the last line sits at the bottom edge).
    void ShowNewestLine();

    wxTextCtrl* m_console = nullptr;
    wxBoxSizer* m_commandSizer = nullptr;
    wxTextCtrl* m_commandEntry = nullptr;
    wxButton* m_executeButton = nullptr;

private:
    ScreenLines m_screenLines;
};
