// The Launch button: save the document, then start the dedicated server.

#include "hangar/hangar_frame.h"

void HangarFrame::OnLaunch(wxCommandEvent& /*event*/) {}
