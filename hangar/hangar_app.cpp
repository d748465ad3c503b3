#include "hangar/hangar_app.h"

#include "common/scale_change.h"
#include "common/window_position.h"
#include "hangar/hangar_frame.h"

#include <wx/menu.h>
#include <wx/platinfo.h>

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
    // On GTK the first window of a process is laid out once at a placeholder size of two pixels
    // while the toolkit waits for the window manager's frame, too narrow for the menu bar (a GTK
    // critical at every start): there the menu bar joins the window once it is shown.
    if (wxPlatformInfo::Get().GetPortId() == wxPORT_GTK)
    {
        wxMenuBar* menuBar = frame->GetMenuBar();
        frame->SetMenuBar(nullptr);
        frame->Bind(wxEVT_SHOW,
                    [frame, menuBar](wxShowEvent& event)
                    {
                        event.Skip();
                        if (event.IsShown() && !frame->GetMenuBar())
                            frame->SetMenuBar(menuBar);
                    });
    }
    frame->Show(true);
    return frame;
}

bool HangarApp::OnInit()
{
    SetTopWindow(ShowMainWindow());
    return true;
}
