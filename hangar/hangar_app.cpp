#include "hangar/hangar_app.h"

#include "hangar/hangar_frame.h"

HangarFrame* ShowMainWindow()
{
    HangarFrame* frame = new HangarFrame();
    g_frame = frame;
    frame->SetWindowStyle(HangarFrame::kFixedStyle);
    frame->SetSize(450, 600);
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}

bool HangarApp::OnInit()
{
    SetTopWindow(ShowMainWindow());
    return true;
}
