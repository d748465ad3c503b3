// Stands in for the Windows programs in the installer test until their Windows build exists: a
// statically linked toolkit window that stays open until it is closed, titled "Stand-in " and the
// name it was started under ("Stand-in hangar" as hangar.exe), so the test can tell which
// installed program a shortcut started.

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/stdpaths.h>

class StandInApp : public wxApp
{
public:
    bool OnInit() override
    {
        const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Stand-in " + program.GetName());
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(StandInApp);
