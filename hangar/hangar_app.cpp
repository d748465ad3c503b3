#include "hangar/hangar_app.h"

#include "common/window_position.h"
#include "hangar/hangar_frame.h"

#include <algorithm>
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
