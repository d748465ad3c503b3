#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/window_ids.h"
#include "resources/images.h"
#include "tests/hangar_gui/launcher_fixture.h"

#include <functional>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/testing.h>

using MainWindowTest = LauncherTest;

TEST_F(MainWindowTest, TitleSizePlacementAndStyle)
{
    HangarFrame* frame = StartLauncher();
    EXPECT_EQ(wxString(L"Iron Canopy\u2122 Dedicated Server Launcher"), frame->GetTitle());
    // 450 x 600 DIPs as designed, larger only where the system's controls need it.
    ExpectTheScaleAskedFor(frame);
    EXPECT_GE(frame->GetSize().x, frame->FromDIP(450));
    EXPECT_GE(frame->GetSize().y, frame->FromDIP(600));
    EXPECT_FALSE(frame->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(frame->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxCLOSE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxMINIMIZE_BOX));
    EXPECT_TRUE(frame->IsShown());

    // Centred on its display in both directions, within rounding and the few pixels by which the
    // toolkit's guess of the window manager's decorations may be off.
    const wxRect screen = wxDisplay(wxDisplay::GetFromWindow(frame)).GetClientArea();
    const wxRect rect = frame->GetScreenRect();
    EXPECT_NEAR(screen.x + (screen.width - rect.width) / 2, rect.x, 3);
    EXPECT_NEAR(screen.y + (screen.height - rect.height) / 2, rect.y, 3);
}

TEST_F(MainWindowTest, EveryPageHasRoomForAllItsControls)
{
    HangarFrame* frame = StartLauncher();
    wxNotebook* notebook = frame->GetNotebook();
    for (size_t i = 0; i < notebook->GetPageCount(); ++i)
    {
        notebook->SetSelection(i);
        Flush();
        wxWindow* page = notebook->GetPage(i);
        const wxSize needed = page->GetSizer()->GetMinSize();
        EXPECT_LE(needed.x, page->GetClientSize().x) << notebook->GetPageText(i);
        EXPECT_LE(needed.y, page->GetClientSize().y) << notebook->GetPageText(i);
    }
    ExpectChildrenInsideAtNaturalSize(frame);
}

TEST_F(MainWindowTest, NotebookTabsInOrderWithBasicSelected)
{
    HangarFrame* frame = StartLauncher();
    wxNotebook* notebook = frame->GetNotebook();
    ASSERT_EQ(4u, notebook->GetPageCount());
    EXPECT_EQ("Basic", notebook->GetPageText(0));
    EXPECT_EQ("Advanced", notebook->GetPageText(1));
    EXPECT_EQ("Miscellaneous", notebook->GetPageText(2));
    EXPECT_EQ("Map Rotation", notebook->GetPageText(3));
    EXPECT_EQ(0, notebook->GetSelection());
    EXPECT_EQ(static_cast<wxWindow*>(frame->GetBasicTab()), notebook->GetPage(0));
    EXPECT_EQ(static_cast<wxWindow*>(frame->GetMapRotationTab()), notebook->GetPage(3));
    // Every page can be reset through the Defaultable interface.
    for (size_t i = 0; i < notebook->GetPageCount(); ++i)
        EXPECT_NE(nullptr, dynamic_cast<Defaultable*>(notebook->GetPage(i))) << i;
    // The notebook sits under the logo band, 140 DIPs, which holds the 422 x 120 DIP logo.
    const wxSize logo = LogoFor(frame->GetLogo(), frame).GetSize();
    EXPECT_EQ(frame->FromDIP(wxSize(422, 120)), logo);
    EXPECT_GE(notebook->GetPosition().y, frame->FromDIP(HangarFrame::kLogoBand));
    EXPECT_LE(frame->FromDIP(HangarFrame::kLogoPosition).y + logo.y, notebook->GetPosition().y);
}

TEST_F(MainWindowTest, ButtonRowAndStatusBar)
{
    HangarFrame* frame = StartLauncher();
    wxButton* reset = FindButton(m_frame, FrameId::ResetToDefaults);
    wxButton* launch = FindButton(m_frame, FrameId::Launch);
    ASSERT_NE(nullptr, reset);
    ASSERT_NE(nullptr, launch);
    EXPECT_EQ("Reset to Defaults", reset->GetLabel());
    EXPECT_EQ("Launch!", launch->GetLabel());
    // Their places as the sizer set them: on screen GTK places them a moment later.
    ASSERT_EQ(reset->GetParent(), launch->GetParent());
    EXPECT_LT(reset->GetPosition().x, launch->GetPosition().x);

    wxStatusBar* status = frame->GetStatusBar();
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(2, status->GetFieldsCount());
    EXPECT_EQ("Untitled", StatusText());
    // Without a settings file the new document counts as modified from the start.
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(MainWindowTest, FileMenuItemsWithAccelerators)
{
    HangarFrame* frame = StartLauncher();
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(1u, bar->GetMenuCount());
    EXPECT_EQ("&File", bar->GetMenuLabel(0));

    wxMenu* file = bar->GetMenu(0);
    const wxMenuItemList& items = file->GetMenuItems();
    ASSERT_EQ(7u, items.size());
    struct Expected
    {
        int id;
        const char* text;
    };
    const Expected expected[] = {{FrameId::New, "&New\tCtrl+N"},
                                 {wxID_SEPARATOR, ""},
                                 {FrameId::Open, "&Open...\tCtrl+O"},
                                 {FrameId::Save, "&Save\tCtrl+S"},
                                 {FrameId::SaveAs, "Save &As...\tCtrl+Shift+S"},
                                 {wxID_SEPARATOR, ""},
                                 {FrameId::Exit, "E&xit\tAlt+F4"}};
    size_t i = 0;
    for (const wxMenuItem* item : items)
    {
        if (expected[i].id == wxID_SEPARATOR)
        {
            EXPECT_TRUE(item->IsSeparator()) << i;
        }
        else
        {
            EXPECT_EQ(expected[i].id, item->GetId()) << i;
            EXPECT_EQ(expected[i].text, item->GetItemLabel()) << i;
            EXPECT_TRUE(item->GetHelp().empty()) << i;
        }
        ++i;
    }
}

TEST_F(MainWindowTest, ResetToDefaultsResetsTheCurrentPageOnly)
{
    HangarFrame* frame = StartLauncher();
    wxListBox* rotation = frame->GetMapRotationTab()->m_rotationList;
    rotation->Append("Kestrel");
    rotation->Append("Glacier");

    wxButton* reset = FindButton(m_frame, FrameId::ResetToDefaults);
    ASSERT_NE(nullptr, reset);
    for (int page : {0, 1, 2})
    {
        frame->GetNotebook()->SetSelection(page);
        ClickButton(reset);
        EXPECT_EQ(2u, rotation->GetCount()) << "page " << page;
    }
    frame->GetNotebook()->SetSelection(3);
    ClickButton(reset);
    EXPECT_EQ(0u, rotation->GetCount());
}

TEST_F(MainWindowTest, MarkModifiedAddsOneStarAndOnlyAfterConstruction)
{
    EXPECT_EQ(nullptr, g_frame);
    MarkModified(); // no window: nothing happens
    HangarFrame* frame = StartLauncher();
    EXPECT_EQ(frame, g_frame);
    ASSERT_NE(nullptr, g_validatorText);
    EXPECT_EQ("Untitled", StatusText()); // already modified: no star added
    MarkModified();
    EXPECT_EQ("Untitled", StatusText());
}

// What cannot be used at start is named in one message, each problem once: a list file alone, or
// the folder both list files share.
TEST_F(MainWindowTest, EveryUnusableListFileIsNamedOnceAtStart)
{
    struct Cell
    {
        const char* m_setup;
        std::vector<wxString> m_folders; // made in the settings folder's place or in it
        const char* m_named;             // what the message must name, once
    };
    const std::vector<Cell> cells = {
        {"map list a folder", {"/TROVMaps.ini"}, "TROVMaps.ini"},
        {"game-type list a folder", {"/TROVGameTypes.ini"}, "TROVGameTypes.ini"},
        {"both lists folders", {"/TROVMaps.ini", "/TROVGameTypes.ini"}, "TROVMaps.ini"},
        {"the settings folder a file", {}, "Config\" could not be used"},
    };
    std::cout << "[ table    ] " << cells.size() << " cells\n";
    for (const Cell& cell : cells)
    {
        SCOPED_TRACE(cell.m_setup);
        RemoveTree(SettingsFolder());
        if (cell.m_folders.empty())
        {
            ASSERT_TRUE(WriteFileBytes(SettingsFolder(), "a file where the folder belongs"));
        }
        for (const wxString& folder : cell.m_folders)
        {
            ASSERT_TRUE(
                wxFileName::Mkdir(SettingsFolder() + folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
        }
        ShownMessage shown;
        wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
        EXPECT_EQ(1, shown.m_count);
        const wxString& message = shown.m_message;
        const size_t first = message.find(cell.m_named);
        ASSERT_NE(wxString::npos, first) << message;
        EXPECT_EQ(wxString::npos, message.find(cell.m_named, first + 1)) << message;
        for (const wxString& folder : cell.m_folders)
            EXPECT_TRUE(message.Contains(folder.AfterLast('/'))) << message;
        CloseLauncher();
        RemoveTree(SettingsFolder());
    }
}

// On a screen of another scale (the event the system sends where windows measure in pixels), the
// gaps of the pages' grids follow the scale, each in its own direction.
TEST_F(MainWindowTest, GridGapsFollowAChangeOfScale)
{
    HangarFrame* frame = StartLauncher();
    std::vector<std::pair<wxFlexGridSizer*, wxSize>> grids; // with their gaps before
    std::function<void(wxWindow*)> collect = [&](wxWindow* window)
    {
        std::function<void(wxSizer*)> inSizer = [&](wxSizer* sizer)
        {
            if (!sizer)
                return;
            if (wxFlexGridSizer* grid = dynamic_cast<wxFlexGridSizer*>(sizer))
                grids.emplace_back(grid, wxSize(grid->GetHGap(), grid->GetVGap()));
            for (wxSizerItem* item : sizer->GetChildren())
                inSizer(item->GetSizer());
        };
        inSizer(window->GetSizer());
        for (wxWindow* child : window->GetChildren())
            collect(child);
    };
    collect(frame);
    ASSERT_FALSE(grids.empty());

    const wxSize dpi = frame->GetDPI();
    wxDPIChangedEvent event(dpi, wxSize(dpi.x * 2, dpi.y * 3 / 2));
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
    Flush();
    for (const auto& [grid, before] : grids)
    {
        EXPECT_EQ(before.x * 2, grid->GetHGap());
        EXPECT_EQ(before.y * 3 / 2, grid->GetVGap());
    }
    std::cout << "[ grids    ] " << grids.size() << "\n";
}
