#include "common/window_position.h"

#include <memory>
#include <wx/toplevel.h>

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
                     // lifted for the move. The toolkit ignores a move to where it believes the
                     // window already is, hence the step aside first.
                     const wxSize minSize = window->GetMinSize();
                     const wxSize maxSize = window->GetMaxSize();
                     window->SetSizeHints(wxDefaultSize, wxDefaultSize);
                     window->Move(wanted.x + 1, wanted.y);
                     window->Move(wanted);
                     window->SetSizeHints(minSize, maxSize);
                 });
}
