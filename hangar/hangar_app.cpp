#include "hangar/hangar_app.h"

#include "hangar/hangar_frame.h"

#include <algorithm>
#include <memory>
#include <wx/sizer.h>

namespace
{
// The window's designed size. Where the system's controls and fonts are larger than the ones it
// was laid out for, the window grows to what its pages need, so no control is drawn over another.
wxSize MainWindowSize(const HangarFrame* frame)
{
    const wxSize needed = frame->ClientToWindowSize(frame->GetSizer()->GetMinSize());
    return wxSize(std::max(450, needed.x), std::max(600, needed.y));
}

// Under a window manager the toolkit maps a new window only once the manager has told it the size
// of its decorations, and the position asked for before that is lost on the way: the window opens
// wherever the manager puts it. Asking for the same position again when the window is shown puts
// it there (a move to the same place would be ignored, hence the step aside first).
void KeepPositionWhenShown(wxTopLevelWindow* window)
{
    const wxPoint wanted = window->GetPosition();
    auto done = std::make_shared<bool>(false);
    window->Bind(wxEVT_SHOW,
                 [window, wanted, done](wxShowEvent& event)
                 {
                     event.Skip();
                     if (*done || !event.IsShown())
                         return;
                     *done = true;
                     window->Move(wanted.x + 1, wanted.y);
                     window->Move(wanted);
                 });
}
} // namespace

HangarFrame* ShowMainWindow()
{
    HangarFrame* frame = new HangarFrame();
    g_frame = frame;
    frame->SetWindowStyle(HangarFrame::kFixedStyle);
    frame->SetSize(MainWindowSize(frame));
    frame->Centre(wxBOTH);
    KeepPositionWhenShown(frame);
    frame->Show(true);
    return frame;
}

bool HangarApp::OnInit()
{
    SetTopWindow(ShowMainWindow());
    return true;
}
