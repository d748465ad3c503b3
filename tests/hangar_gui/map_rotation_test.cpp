#include "hangar/pages/map_rotation_tab.h"
#include "hangar/window_ids.h"
#include "tests/hangar_gui/launcher_fixture.h"

#include <vector>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

namespace
{
const std::vector<wxString> kDefaultMaps = {"Kestrel", "BurningFarm", "NightWatch",
                                            "Glacier", "Tideline",    "Corsair"};

class MapRotationTest : public LauncherTest
{
protected:
    MapRotationTab* Start()
    {
        m_page = StartLauncher()->GetMapRotationTab();
        m_maps = m_page->m_mapList;
        m_rotation = m_page->m_rotationList;
        return m_page;
    }

    wxButton* Button(int id) const { return FindButton(m_page, id); }
    void Click(int id) const { ClickButton(Button(id)); }
    void SelectMap(int index) const { SelectListItem(m_maps, index); }
    void SelectRotation(int index) const { SelectListItem(m_rotation, index); }

    // Selects the map and clicks the Add button.
    void AddMap(int map) const
    {
        SelectMap(map);
        Click(MapRotationId::Add);
    }

    // The names of the enabled buttons, in their order on the page.
    wxString Enabled() const
    {
        const std::pair<int, const char*> buttons[] = {{MapRotationId::Add, "Add"},
                                                       {MapRotationId::Remove, "Remove"},
                                                       {MapRotationId::MoveUp, "MoveUp"},
                                                       {MapRotationId::MoveDown, "MoveDown"},
                                                       {MapRotationId::Clear, "Clear"}};
        wxString names;
        for (const auto& button : buttons)
        {
            if (Button(button.first)->IsEnabled())
                names += (names.empty() ? "" : " ") + wxString(button.second);
        }
        return names;
    }

    std::vector<wxString> RotationItems() const { return Items(m_rotation); }
    int Selected() const { return m_rotation->GetSelection(); }

    // Starts from a saved document whose RotationList is `rotation`: titled and not modified.
    void StartSaved(const std::string& rotation)
    {
        ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(),
                                   "[DedicatedServer.DedicatedServer]\nUsername=operator\n"
                                   "Password=hunter2\nRotationList=" +
                                       rotation + "\n"));
        Start();
        ASSERT_FALSE(m_frame->IsModified());
    }

    wxString MapListPath() const { return SettingsFolder() + "/TROVMaps.ini"; }

    MapRotationTab* m_page = nullptr;
    wxListBox* m_maps = nullptr;
    wxListBox* m_rotation = nullptr;
};
} // namespace

TEST_F(MapRotationTest, LayoutLabelsAndStartState)
{
    Start();
    EXPECT_EQ("Add ->", Button(MapRotationId::Add)->GetLabel());
    EXPECT_EQ("<- Remove", Button(MapRotationId::Remove)->GetLabel());
    EXPECT_EQ("Move Up", Button(MapRotationId::MoveUp)->GetLabel());
    EXPECT_EQ("Move Down", Button(MapRotationId::MoveDown)->GetLabel());
    EXPECT_EQ("Clear", Button(MapRotationId::Clear)->GetLabel());
    EXPECT_EQ(MapRotationId::MapList, m_maps->GetId());
    EXPECT_EQ(MapRotationId::RotationList, m_rotation->GetId());
    EXPECT_FALSE(m_maps->HasMultipleSelection());
    EXPECT_FALSE(m_rotation->HasMultipleSelection());
    EXPECT_FALSE(m_maps->HasFlag(wxLB_SORT));
    EXPECT_FALSE(m_rotation->HasFlag(wxLB_SORT));
    EXPECT_EQ(m_rotation, m_page->FindWindow(MapRotationId::RotationList));
    EXPECT_TRUE(RotationItems().empty());
    EXPECT_EQ("", Enabled());

    // Maps on the left, the buttons top to bottom in the middle, the rotation on the right.
    m_frame->GetNotebook()->SetSelection(3);
    Flush();
    const int mapsRight = m_maps->GetScreenRect().GetRight();
    int top = 0;
    for (int id : {MapRotationId::Add, MapRotationId::Remove, MapRotationId::MoveUp,
                   MapRotationId::MoveDown, MapRotationId::Clear})
    {
        const wxRect rect = Button(id)->GetScreenRect();
        EXPECT_GT(rect.GetLeft(), mapsRight) << id;
        EXPECT_LT(rect.GetRight(), m_rotation->GetScreenRect().GetLeft()) << id;
        EXPECT_GT(rect.GetTop(), top) << id;
        top = rect.GetBottom();
    }
}

TEST_F(MapRotationTest, MissingMapListIsCreatedWithTheSixMapsInOrder)
{
    Start();
    EXPECT_EQ(kDefaultMaps, Items(m_maps));
    EXPECT_EQ("[TROVGame.Maps]\nKestrel=MP_Kestrel_P\nBurningFarm=MP_BF_P\nNightWatch=MP_NW_P\n"
              "Glacier=MP_Gla_P\nTideline=MP_Tid_P\nCorsair=MP_Cor_P\n",
              ReadSavedText(MapListPath()));
}

TEST_F(MapRotationTest, HandEditedMapListIsShownInItsOwnOrderAndLeftAlone)
{
    const std::string edited = "; our maps\n[TROVGame.Maps]\nZephyr=MP_Z\nCorsair=MP_Cor_P\n"
                               "Anvil Ridge=MP_AR\nBravo=MP_B\n";
    ASSERT_TRUE(WriteFileBytes(MapListPath(), edited));
    Start();
    EXPECT_EQ((std::vector<wxString>{"Zephyr", "Corsair", "Anvil Ridge", "Bravo"}), Items(m_maps));
    AddMap(2);
    EXPECT_EQ((std::vector<wxString>{"Anvil Ridge"}), RotationItems());
    CloseLauncher();
    EXPECT_EQ(edited, ReadFileBytes(MapListPath()));
}

TEST_F(MapRotationTest, EmptyMapGroupLeavesAddAlwaysDisabled)
{
    ASSERT_TRUE(WriteFileBytes(MapListPath(), "[TROVGame.Maps]\n"));
    Start();
    EXPECT_EQ(0u, m_maps->GetCount());
    EXPECT_EQ("", Enabled());
    CloseLauncher();

    // Only a loaded rotation can be edited.
    StartSaved("Kestrel,Glacier");
    EXPECT_EQ(0u, m_maps->GetCount());
    EXPECT_EQ("Clear", Enabled());
    SelectRotation(1);
    EXPECT_EQ("Remove MoveUp Clear", Enabled());
    Click(MapRotationId::Add); // nothing to add
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Glacier"}), RotationItems());
    Click(MapRotationId::MoveUp);
    EXPECT_EQ((std::vector<wxString>{"Glacier", "Kestrel"}), RotationItems());
    EXPECT_EQ("Remove MoveDown Clear", Enabled());
    EXPECT_EQ("[TROVGame.Maps]\n", ReadSavedText(MapListPath()));
}

TEST_F(MapRotationTest, AddInsertsAfterTheSelectionAndSelectsTheNewEntry)
{
    Start();
    SelectMap(0);
    EXPECT_EQ("Add", Enabled());

    Click(MapRotationId::Add);
    EXPECT_EQ((std::vector<wxString>{"Kestrel"}), RotationItems());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("Add Remove Clear", Enabled());

    // Repeated adds build the rotation in click order.
    AddMap(2);
    AddMap(5);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "NightWatch", "Corsair"}), RotationItems());
    EXPECT_EQ(2, Selected());
    EXPECT_EQ("Add Remove MoveUp Clear", Enabled());

    // With the first entry selected the new one goes second.
    SelectRotation(0);
    EXPECT_EQ("Add Remove MoveDown Clear", Enabled());
    AddMap(1);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "BurningFarm", "NightWatch", "Corsair"}),
              RotationItems());
    EXPECT_EQ(1, Selected());
    EXPECT_EQ("Add Remove MoveUp MoveDown Clear", Enabled());

    // The same map twice gives two entries.
    Click(MapRotationId::Add);
    EXPECT_EQ(
        (std::vector<wxString>{"Kestrel", "BurningFarm", "BurningFarm", "NightWatch", "Corsair"}),
        RotationItems());
    EXPECT_EQ(2, Selected());
    EXPECT_EQ(kDefaultMaps, Items(m_maps)) << "the maps stay as they are";
}

TEST_F(MapRotationTest, AddWithoutARotationSelectionAppendsAtTheEnd)
{
    StartSaved("Glacier,Tideline");
    EXPECT_EQ(wxNOT_FOUND, Selected());
    EXPECT_EQ("Clear", Enabled());
    AddMap(0);
    EXPECT_EQ((std::vector<wxString>{"Glacier", "Tideline", "Kestrel"}), RotationItems());
    EXPECT_EQ(2, Selected());
    EXPECT_EQ("Add Remove MoveUp Clear", Enabled());
}

TEST_F(MapRotationTest, RemoveSelectsTheEntryBefore)
{
    Start();
    for (int map : {0, 1, 2, 3})
        AddMap(map);

    SelectRotation(2);
    Click(MapRotationId::Remove);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "BurningFarm", "Glacier"}), RotationItems());
    EXPECT_EQ(1, Selected());
    EXPECT_EQ("Add Remove MoveUp MoveDown Clear", Enabled());

    // Removing the first entry selects the new first one.
    SelectRotation(0);
    Click(MapRotationId::Remove);
    EXPECT_EQ((std::vector<wxString>{"BurningFarm", "Glacier"}), RotationItems());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("Add Remove MoveDown Clear", Enabled());

    // Removing the last entry selects the one before it.
    SelectRotation(1);
    Click(MapRotationId::Remove);
    EXPECT_EQ((std::vector<wxString>{"BurningFarm"}), RotationItems());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("Add Remove Clear", Enabled());

    // The only entry: an empty list without selection; only Add can stay enabled.
    Click(MapRotationId::Remove);
    EXPECT_TRUE(RotationItems().empty());
    EXPECT_EQ(wxNOT_FOUND, Selected());
    EXPECT_EQ("Add", Enabled());
}

TEST_F(MapRotationTest, MoveUpAndDownSwapNeighboursAndFollowTheEntry)
{
    Start();
    AddMap(0);
    EXPECT_EQ("Add Remove Clear", Enabled()) << "a single entry moves nowhere";
    AddMap(1);
    AddMap(2);

    SelectRotation(0);
    Click(MapRotationId::MoveDown);
    EXPECT_EQ((std::vector<wxString>{"BurningFarm", "Kestrel", "NightWatch"}), RotationItems());
    EXPECT_EQ(1, Selected());
    EXPECT_EQ("Add Remove MoveUp MoveDown Clear", Enabled());

    Click(MapRotationId::MoveDown);
    EXPECT_EQ((std::vector<wxString>{"BurningFarm", "NightWatch", "Kestrel"}), RotationItems());
    EXPECT_EQ(2, Selected());
    EXPECT_EQ("Add Remove MoveUp Clear", Enabled()) << "Move Down is off on the last entry";

    Click(MapRotationId::MoveUp);
    Click(MapRotationId::MoveUp);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "BurningFarm", "NightWatch"}), RotationItems());
    EXPECT_EQ(0, Selected());
    EXPECT_EQ("Add Remove MoveDown Clear", Enabled()) << "Move Up is off on the first entry";
}

TEST_F(MapRotationTest, ClearEmptiesTheRotationWithoutAsking)
{
    Start();
    AddMap(4);
    AddMap(4);
    Click(MapRotationId::Clear);
    EXPECT_TRUE(RotationItems().empty());
    EXPECT_EQ(wxNOT_FOUND, Selected());
    EXPECT_EQ("Add", Enabled());
    EXPECT_EQ(kDefaultMaps, Items(m_maps));
}

TEST_F(MapRotationTest, HandlersDoNothingWithoutASelection)
{
    StartSaved("Glacier,Tideline");
    for (int id : {MapRotationId::Add, MapRotationId::Remove, MapRotationId::MoveUp,
                   MapRotationId::MoveDown})
        Click(id); // disabled buttons: the click events reach the handlers all the same
    EXPECT_EQ((std::vector<wxString>{"Glacier", "Tideline"}), RotationItems());
    EXPECT_EQ(wxNOT_FOUND, Selected());

    SelectRotation(0);
    Click(MapRotationId::MoveUp);
    SelectRotation(1);
    Click(MapRotationId::MoveDown);
    EXPECT_EQ((std::vector<wxString>{"Glacier", "Tideline"}), RotationItems());
    EXPECT_EQ(1, Selected());
    EXPECT_FALSE(m_frame->IsModified()) << "nothing was edited";
}

TEST_F(MapRotationTest, ResetToDefaultsEmptiesTheRotationWithoutMarkingTheDocument)
{
    StartSaved("Kestrel,Glacier");
    SelectMap(3);
    SelectRotation(1);
    m_frame->GetNotebook()->SetSelection(3);
    ClickButton(FindButton(m_frame, FrameId::ResetToDefaults));
    EXPECT_TRUE(RotationItems().empty());
    EXPECT_EQ("Add", Enabled()) << "the map selection stays";
    EXPECT_EQ(kDefaultMaps, Items(m_maps));
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());

    // While the rotation stays empty the document cannot be saved.
    bool saved = true;
    wxTEST_DIALOG(saved = m_frame->SaveSettings(),
                  ExpectMessageBox("Map Rotation cannot be left blank."));
    EXPECT_FALSE(saved);
}

TEST_F(MapRotationTest, EveryEditMarksTheDocumentModified)
{
    for (int id : {MapRotationId::Add, MapRotationId::Remove, MapRotationId::MoveUp,
                   MapRotationId::MoveDown, MapRotationId::Clear})
    {
        StartSaved("Kestrel,Glacier,Tideline");
        SelectMap(0);
        SelectRotation(1);
        EXPECT_FALSE(m_frame->IsModified()) << "selecting is no edit";
        Click(id);
        EXPECT_TRUE(m_frame->IsModified()) << id;
        EXPECT_EQ("TROVDedicatedServer.ini*", StatusText()) << id;
        CloseLauncher();
    }
}

TEST_F(MapRotationTest, LoadedRotationKeepsEmptyPiecesAndNamesTheMapsDoNotHave)
{
    StartSaved("Kestrel,,Atlantis");
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "", "Atlantis"}), RotationItems());
    EXPECT_EQ(wxNOT_FOUND, Selected());
    EXPECT_EQ("Clear", Enabled()) << "the buttons follow the loaded rotation";
    EXPECT_EQ(kDefaultMaps, Items(m_maps)) << "a loaded name is not added to the maps";

    SelectRotation(2);
    Click(MapRotationId::MoveUp);
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Atlantis", ""}), RotationItems());
    ASSERT_TRUE(m_frame->SaveSettings());
    EXPECT_EQ(wxString("Kestrel,Atlantis,"), StoredValue(DefaultSettingsPath(), "RotationList"));
}

TEST_F(MapRotationTest, AMapNamedWithACommaIsShownButNeverJoinsTheRotation)
{
    ASSERT_TRUE(WriteFileBytes(MapListPath(),
                               "[TROVGame.Maps]\nKestrel=MP_Kestrel_P\nDunes, North=MP_DN\n"));
    StartSaved("Kestrel,Dunes, North"); // as a hand-edited file may hold it: three entries
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Dunes, North"}), Items(m_maps));
    SelectMap(1);
    EXPECT_EQ("Clear", Enabled());
    EXPECT_NE(wxNOT_FOUND, Button(MapRotationId::Add)->GetToolTipText().Find("comma"));
    Click(MapRotationId::Add); // the click event reaches the handler all the same
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Dunes", " North"}), RotationItems());
    EXPECT_FALSE(m_frame->IsModified());

    SelectMap(0);
    EXPECT_EQ("Add Clear", Enabled());
    EXPECT_TRUE(Button(MapRotationId::Add)->GetToolTipText().empty());
    ASSERT_TRUE(m_frame->SaveSettings());
    EXPECT_EQ(wxString("Kestrel,Dunes, North"), StoredValue(DefaultSettingsPath(), "RotationList"));
}
