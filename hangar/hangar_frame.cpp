#include "hangar/hangar_frame.h"

#include "hangar/core/documents_folder.h"
#include "hangar/core/res_string.h"
#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/defaultable.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/pages/misc_tab.h"
#include "hangar/window_ids.h"
#include "resources/images.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>

HangarFrame* g_frame = nullptr;
wxString* g_validatorText = nullptr;

wxBEGIN_EVENT_TABLE(HangarFrame, wxFrame)
    EVT_MENU(FrameId::New, HangarFrame::OnNew)
    EVT_MENU(FrameId::Open, HangarFrame::OnOpen)
    EVT_MENU(FrameId::Save, HangarFrame::OnSave)
    EVT_MENU(FrameId::SaveAs, HangarFrame::OnSaveAs)
    EVT_MENU(FrameId::Exit, HangarFrame::OnExit)
    EVT_BUTTON(FrameId::ResetToDefaults, HangarFrame::OnResetToDefaults)
    EVT_BUTTON(FrameId::Launch, HangarFrame::OnLaunch)
    EVT_PAINT(HangarFrame::OnPaint)
    EVT_CLOSE(HangarFrame::OnClose)
wxEND_EVENT_TABLE()

HangarFrame::HangarFrame()
    : wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, kFixedStyle)
{
    if (!g_validatorText)
        g_validatorText = new wxString;
    m_startDir = wxGetCwd();
    m_filePath.clear();
    SetTitle(LoadResString(StringId::LauncherTitle));
    SetIcons(ProgramIcons());
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    m_section.m_name = "DedicatedServer";
    m_sections.push_back(&m_section);

    CreateMenuBar();

    wxBoxSizer* mainSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(mainSizer);
    m_logo = LauncherLogo();
    mainSizer->AddSpacer(FromDIP(kLogoBand));

    m_notebook = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0);
    mainSizer->Add(m_notebook, 1, wxEXPAND | wxLEFT | wxRIGHT, FromDIP(10));
    CreateBasicTab();
    CreateAdvancedTab();
    CreateMiscTab();
    CreateMapRotationTab();
    AddFixedEntries();
    for (const auto& [key, control] : m_section.m_controls)
        m_loaded.Watch(control);

    mainSizer->AddSpacer(FromDIP(10));
    wxPanel* buttonRow = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxTAB_TRAVERSAL | wxNO_BORDER);
    mainSizer->Add(buttonRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10));
    wxBoxSizer* buttonSizer = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->SetSizer(buttonSizer);
    buttonSizer->Add(
        new wxButton(buttonRow, FrameId::ResetToDefaults, LoadResString(StringId::ResetToDefaults)),
        0, wxEXPAND | wxRIGHT, FromDIP(10));
    buttonSizer->AddStretchSpacer(1);
    buttonSizer->Add(
        new wxButton(buttonRow, FrameId::Launch, LoadResString(StringId::Launch) + "!"), 0,
        wxEXPAND, 0);

    wxStatusBar* statusBar =
        CreateStatusBar(1, wxST_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, FrameId::StatusBar);
    const int widths[] = {0, -1};
    statusBar->SetFieldsCount(2, widths);
    SetStatusText("Untitled", 1);
    m_modified = true;

    // Anything at the default path is this document's file, also one that cannot be used (a
    // folder, a pipe, a file far too large): the load names it and shows the defaults, and no
    // save replaces it.
    const wxString defaultPath = GetDefaultSettingsPath();
    SettingsRead read = ReadSettingsFile(defaultPath);
    wxString unread;
    if (read.m_exists)
    {
        m_fileName = kDefaultSettingsFileName;
        m_filePath = defaultPath;
        unread = LoadSettings(std::move(read));
    }
    else
    {
        m_basicTab->m_useCached->Disable(); // no cached login without a settings file
    }

    // Whatever could not be used at start is said in one message: the list files (both in one
    // folder, which is named once) and the settings file.
    wxString problems;
    for (const wxString& problem :
         {m_basicTab->ListProblem(), m_mapRotationTab->ListProblem(), unread})
    {
        if (!problem.empty() && !problems.Contains(problem))
            problems += (problems.empty() ? "" : "\n\n") + problem;
    }
    if (!problems.empty())
        ShowError(problems);
}

HangarFrame::~HangarFrame()
{
    if (g_frame == this)
        g_frame = nullptr;
}

void HangarFrame::CreateMenuBar()
{
    wxMenu* file = new wxMenu;
    file->Append(FrameId::New, LoadResString(StringId::New) + "\tCtrl+N", wxEmptyString);
    file->AppendSeparator();
    file->Append(FrameId::Open, LoadResString(StringId::Open) + "..." + "\tCtrl+O", wxEmptyString);
    file->Append(FrameId::Save, LoadResString(StringId::Save) + "\tCtrl+S", wxEmptyString);
    file->Append(FrameId::SaveAs, LoadResString(StringId::SaveAs) + "..." + "\tCtrl+Shift+S",
                 wxEmptyString);
    file->AppendSeparator();
    file->Append(FrameId::Exit, LoadResString(StringId::Exit) + "\tAlt+F4", wxEmptyString);

    wxMenuBar* menuBar = new wxMenuBar;
    menuBar->Append(file, LoadResString(StringId::FileMenu));
    SetMenuBar(menuBar);
}

void HangarFrame::OnExit(wxCommandEvent& /*event*/)
{
    Close(false);
}

void HangarFrame::OnResetToDefaults(wxCommandEvent& /*event*/)
{
    wxWindow* page = m_notebook->GetCurrentPage();
    Defaultable* defaultable = dynamic_cast<Defaultable*>(page);
    if (!defaultable)
        return;
    defaultable->SetDefaults();
    // The page's values are the operator's now, whatever the file held.
    for (const auto& [key, control] : m_section.m_controls)
    {
        if (page->IsDescendant(control))
            m_loaded.MarkEdited(control);
    }
}

void HangarFrame::OnPaint(wxPaintEvent& /*event*/)
{
    wxPaintDC dc(this);
    dc.DrawBitmap(LogoFor(m_logo, this), FromDIP(kLogoPosition), false);
}

void MarkModified()
{
    if (!g_frame || g_frame->m_modified)
        return;
    g_frame->SetStatusText(g_frame->GetStatusBar()->GetStatusText(1) + "*", 1);
    g_frame->m_modified = true;
}
