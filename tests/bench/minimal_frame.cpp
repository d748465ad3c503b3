// The baseline of the start-up benchmark: the smallest toolkit program that shows a frame,
// built with the same flags as the launcher.

#include <wx/app.h>
#include <wx/frame.h>

class MinimalApp : public wxApp
{
public:
    bool OnInit() override
    {
        wxFrame* frame =
            new wxFrame(nullptr, wxID_ANY, "Minimal Frame", wxDefaultPosition, wxSize(450, 600));
        frame->Centre(wxBOTH);
        frame->Show(true);
        SetTopWindow(frame);
        return true;
    }
};

wxIMPLEMENT_APP(MinimalApp);
