#include "common/window_position.h"

#include <algorithm>
#include <memory>
#include <wx/sizer.h>
#include <wx/toplevel.h>

namespace
{
// Moves the window to `position`, also where the toolkit believes it already is (a move there
// would be ignored, hence the step aside first).
void MoveAgain(wxTopLevelWindow* window, const wxPoint& position)
{
    window->Move(position.x + 1, position.y);
    window->Move(position);
}
} // namespace

wxSize DesignedOrNeededSize(const wxTopLevelWindow* window, const wxSize& designed)
{
    const wxSize size = window->FromDIP(designed);
    const wxSize needed = window->ClientToWindowSize(window->GetSizer()->GetMinSize());
    return wxSize(std::max(size.x, needed.x), std::max(size.y, needed.y));
}

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
                     // At this point the toolkit holds a placeholder size of a few pixels, which a
                     // move would first bring up to the window's minimum size: the size limits are
                     // lifted for the move.
                     const wxSize minSize = window->GetMinSize();
                     const wxSize maxSize = window->GetMaxSize();
                     window->SetSizeHints(wxDefaultSize, wxDefaultSize);
                     MoveAgain(window, wanted);
                     window->SetSizeHints(minSize, maxSize);
                 });
}

void KeepFittingWhenFramed(wxTopLevelWindow* window, const wxSize& designed)
{
    window->Bind(wxEVT_SIZE,
                 [window, designed](wxSizeEvent& event)
                 {
                     event.Skip();
                     const wxSize needed = window->GetSizer()->GetMinSize();
                     const wxSize client = window->GetClientSize();
                     if (client.x >= needed.x && client.y >= needed.y)
                         return;
                     window->CallAfter(
                         [window, designed, needed]
                         {
                             // The designed size is turned into a client size here, with the
                             // frame's real size: a size event can report a placeholder size of
                             // a few pixels while the window manager frames the window.
                             const wxSize room =
                                 window->WindowToClientSize(window->FromDIP(designed));
                             window->SetClientSize(
                                 wxSize(std::max(room.x, needed.x), std::max(room.y, needed.y)));
                             window->Centre(wxBOTH);
                             MoveAgain(window, window->GetPosition());
                         });
                 });
}
