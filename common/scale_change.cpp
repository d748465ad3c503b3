#include "common/scale_change.h"

#include "common/window_position.h"

#include <wx/sizer.h>
#include <wx/toplevel.h>

namespace
{
void RescaleGaps(wxSizer* sizer, const wxDPIChangedEvent& event)
{
    if (!sizer)
        return;
    if (wxGridSizer* grid = dynamic_cast<wxGridSizer*>(sizer))
    {
        grid->SetVGap(event.ScaleY(grid->GetVGap()));
        grid->SetHGap(event.ScaleX(grid->GetHGap()));
    }
    for (wxSizerItem* item : sizer->GetChildren())
        RescaleGaps(item->GetSizer(), event);
}

// The window's sizers and those of its children, other top-level windows left out: they get an
// event of their own.
void RescaleGapsWithin(wxWindow* window, const wxDPIChangedEvent& event)
{
    RescaleGaps(window->GetSizer(), event);
    for (wxWindow* child : window->GetChildren())
    {
        if (!child->IsTopLevel())
            RescaleGapsWithin(child, event);
    }
}
} // namespace

void LayOutAgainOnScaleChange(wxTopLevelWindow* window, const wxSize& designed)
{
    window->Bind(wxEVT_DPI_CHANGED,
                 [window, designed](wxDPIChangedEvent& event)
                 {
                     // The toolkit then moves the window to the rectangle the system proposes.
                     event.Skip();
                     RescaleGapsWithin(window, event);
                     window->CallAfter(
                         [window, designed]
                         {
                             if (designed != wxDefaultSize)
                             {
                                 const wxRect proposed = window->GetRect();
                                 const wxSize size = DesignedOrNeededSize(window, designed);
                                 window->SetSize(proposed.x + (proposed.width - size.x) / 2,
                                                 proposed.y + (proposed.height - size.y) / 2,
                                                 size.x, size.y);
                             }
                             window->Layout();
                             window->Refresh();
                         });
                 });
}
