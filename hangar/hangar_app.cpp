#include "hangar/hangar_app.h"

#include "common/scale_change.h"
#include "common/window_position.h"
#include "hangar/hangar_frame.h"

namespace
{
// The window's designed size (DIPs); it grows to what its pages need where the system's controls
// and fonts are larger than the ones it was laid out for, so no control is drawn over another.
const wxSize kDesignedSize(450, 600);
} // namespace

HangarFrame* ShowMainWindow()
{
    HangarFrame* frame = new HangarFrame();
    g_frame = frame;
    frame->SetWindowStyle(HangarFrame::kFixedStyle);
    frame->SetSize(DesignedOrNeededSize(frame, kDesignedSize));
    frame->Centre(wxBOTH);
    KeepPositionWhenShown(frame);
    KeepFittingWhenFramed(frame, kDesignedSize);
    LayOutAgainOnScaleChange(frame, kDesignedSize);
    frame->Show(true);
    return frame;
}

bool HangarApp::OnInit()
{
    SetTopWindow(ShowMainWindow());
    return true;
}
