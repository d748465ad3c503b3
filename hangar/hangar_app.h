#pragma once

#include <wx/app.h>

class HangarFrame;

class HangarApp : public wxApp
{
public:
    bool OnInit() override;
};

// Builds the main window, sets g_frame, fixes its size at 450 x 600 (or larger where the system's
// controls need more room for the pages), centres and shows it.
// OnInit does exactly this; tests call it to get the window the program shows.
HangarFrame* ShowMainWindow();
