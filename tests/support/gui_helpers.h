#pragma once

// Helpers of the GUI tests: waiting by yielding, counting events, sending real events, finding
// buttons.

#include "tests/support/wx_print.h"

#include <functional>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/event.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/window.h>

// Processes pending events until condition holds or timeoutMs passes; returns the condition.
inline bool WaitFor(const std::function<bool()>& condition, long timeoutMs = 5000)
{
    wxStopWatch watch;
    while (!condition())
    {
        if (watch.Time() > timeoutMs)
            return condition();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        wxMilliSleep(1); // lets the X server and sockets answer between two yields
    }
    return true;
}

// While one lives, a modal dialog that no wxTEST_DIALOG expects is shown for real, for the test to
// close it through its own buttons and keys, as an operator would (and to end it should they fail).
class RealModalDialogs
{
public:
    RealModalDialogs() { ++Count(); }
    ~RealModalDialogs() { --Count(); }
    RealModalDialogs(const RealModalDialogs&) = delete;
    RealModalDialogs& operator=(const RealModalDialogs&) = delete;
    static bool Allowed() { return Count() > 0; }

private:
    static int& Count()
    {
        static int count = 0;
        return count;
    }
};

// Lets every pending event run.
inline void Flush()
{
    for (int i = 0; i < 3; ++i)
    {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
    }
}

// Counts the events of one type that reach a window.
class EventCounter
{
public:
    EventCounter(wxWindow* window, wxEventType type) : m_window(window), m_type(type)
    {
        m_window->Bind(m_type, &EventCounter::OnEvent, this);
    }
    ~EventCounter() { m_window->Unbind(m_type, &EventCounter::OnEvent, this); }
    EventCounter(const EventCounter&) = delete;
    EventCounter& operator=(const EventCounter&) = delete;

    int Count() const { return m_count; }
    void Clear() { m_count = 0; }

private:
    void OnEvent(wxEvent& event)
    {
        ++m_count;
        event.Skip();
    }

    wxWindow* m_window;
    wxEventType m_type;
    int m_count = 0;
};

// Types one character into a text control as a key press would: the char event goes through the
// control's event handlers (validator included) and, when nobody swallows it, the character is
// written at the insertion point. Returns true when the character reached the control.
bool TypeChar(wxTextCtrl* control, int keyCode, wxChar unicode = 0);
// Types each character of text ("\n" as the Enter key); returns how many got through.
int TypeText(wxTextCtrl* control, const wxString& text);

// Where the run asks for a screen scale (IC_TEST_DPI, set with the system's DPI before the program
// started), checks that the window is at that scale: sizes checked in DIPs prove nothing at 100 %.
void ExpectTheScaleAskedFor(const wxWindow* window);

// Checks that every child of window (the status bar left out) lies wholly inside its client area
// at no less than its natural size.
void ExpectChildrenInsideAtNaturalSize(const wxWindow* window);

// Sends a command event (button click, check box, list selection ...) through the window's own
// event handler, as a user action would.
void SendCommand(wxWindow* window, wxEventType type, int intValue = 0);
// Clicks a check box: toggles it and sends the click event.
void ClickCheckBox(class wxCheckBox* box);
// Clicks a button.
void ClickButton(class wxButton* button);
// The first button with this id below window, searched depth first in the order the children were
// made; null when there is none. Notebook pages are not searched: they reuse the small ids of the
// window around them.
class wxButton* FindButton(wxWindow* window, int id);
// Selects an item of a list box and sends the selection event.
void SelectListItem(class wxListBox* list, int index);
// Chooses an item of a choice control and sends the selection event.
void SelectChoiceItem(class wxChoice* choice, int index);
