#pragma once

#include "hangar/hangar_frame.h"

#include <wx/button.h>
#include <wx/notebook.h>

// A button of the main window's own button row (Reset to Defaults, Launch). Window ids are unique
// only within their window and the pages use the same small numbers, so the search leaves the
// notebook out.
inline wxButton* FrameButton(HangarFrame* frame, int id)
{
    for (wxWindow* child : frame->GetChildren())
    {
        if (child == frame->GetNotebook())
            continue;
        if (wxButton* button = dynamic_cast<wxButton*>(child->FindWindow(id)))
            return button;
    }
    return nullptr;
}
