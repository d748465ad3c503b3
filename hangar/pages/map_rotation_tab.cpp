#include "hangar/pages/map_rotation_tab.h"

#include "hangar/core/res_string.h"
#include "hangar/core/server_lists.h"
#include "hangar/core/value_codec.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/page_layout.h"
#include "hangar/window_ids.h"

#include <wx/button.h>
#include <wx/fileconf.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace
{
// The smallest size of the two lists (DIPs): a few rows and room for the scroll bar. The page gives
// them more; a list left at the toolkit's tiny default size upsets GTK once it holds rows.
const wxSize kListSize(100, 120);

// The page's one setting: the rotation, which SetDefaults empties.
const PageSettings kSettings = {ListSetting("RotationList", MapRotationId::RotationList)};

// A column of the page: a caption above a list that takes the rest of the height. Each column is
// fitted to its content once filled, so the toolkit never lays out a list or a button inside a
// column of the initial tiny size.
wxListBox* AddListColumn(wxWindow* page, int stringId, int id, const wxArrayString& items)
{
    wxPanel* column = AddPageColumn(page, PageFlags::Column(page));
    wxSizer* sizer = column->GetSizer();
    sizer->Add(CreateFieldCaption(column, stringId),
               wxSizerFlags().Expand().Border(wxBOTTOM, column->FromDIP(3)));
    wxListBox* list = new wxListBox(column, id, wxDefaultPosition, column->FromDIP(kListSize), 0,
                                    nullptr, wxLB_SINGLE);
    sizer->Add(list, wxSizerFlags(1).Expand());
    list->Append(items);
    column->Fit();
    return list;
}

// Why the map cannot join the rotation: the settings file separates the maps with commas.
wxString NotAddableText(const wxString& map)
{
    return "\"" + map + "\" cannot be added to the rotation: its name holds a comma, which " +
           "separates the maps in the settings file.";
}

// Shows `tip` over the control, or none when it is empty.
void SetTip(wxWindow* control, const wxString& tip)
{
    if (tip.empty())
        control->UnsetToolTip();
    else
        control->SetToolTip(tip);
}
} // namespace

const PageSettings& MapRotationTab::Settings()
{
    return kSettings;
}

MapRotationTab::MapRotationTab(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    const wxArrayString maps = OpenMapList();

    SetSizer(new wxBoxSizer(wxHORIZONTAL));
    m_mapList = AddListColumn(this, StringId::Maps, MapRotationId::MapList, maps);
    CreateButtonColumn();
    m_rotationList =
        AddListColumn(this, StringId::Rotation, MapRotationId::RotationList, wxArrayString());
}

MapRotationTab::~MapRotationTab() = default;

wxArrayString MapRotationTab::OpenMapList()
{
    ListFile maps = OpenMapListFile();
    m_mapConfig = std::move(maps.m_config);
    m_listProblem = maps.m_problem;
    return maps.m_names;
}

// The five buttons between the lists, centred in the height of the page, all disabled.
void MapRotationTab::CreateButtonColumn()
{
    wxPanel* column = AddPageColumn(this, wxSizerFlags().CentreVertical());
    wxSizer* sizer = column->GetSizer();
    const auto addButton = [&](int id, const wxString& label)
    {
        wxButton* button = new wxButton(column, id, label);
        button->Enable(false);
        // GTK sizes each button to its label; one width for the column looks as intended.
        sizer->Add(button, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, column->FromDIP(5)));
        return button;
    };
    m_addButton = addButton(MapRotationId::Add, LoadResString(StringId::Add) + " ->");
    sizer->AddSpacer(column->FromDIP(10));
    m_removeButton = addButton(MapRotationId::Remove, "<- " + LoadResString(StringId::Remove));
    sizer->AddSpacer(column->FromDIP(20));
    m_moveUpButton = addButton(MapRotationId::MoveUp, LoadResString(StringId::MoveUp));
    sizer->AddSpacer(column->FromDIP(10));
    m_moveDownButton = addButton(MapRotationId::MoveDown, LoadResString(StringId::MoveDown));
    sizer->AddSpacer(column->FromDIP(20));
    m_clearButton = addButton(MapRotationId::Clear, LoadResString(StringId::Clear));
    column->Fit();
}

void MapRotationTab::SetDefaults()
{
    SetPageDefaults(this, kSettings);
    UpdateButtons();
}

void MapRotationTab::UpdateButtons()
{
    const int map = m_mapList->GetSelection();
    const int count = static_cast<int>(m_rotationList->GetCount());
    const int selected = m_rotationList->GetSelection();
    m_addButton->Enable(CanAdd(map));
    const wxString why =
        map >= 0 && !CanAdd(map) ? NotAddableText(m_mapList->GetString(map)) : wxString();
    SetTip(m_mapList, why);
    SetTip(m_addButton, why);
    m_clearButton->Enable(count > 0);
    m_removeButton->Enable(selected >= 0);
    m_moveUpButton->Enable(selected > 0);
    m_moveDownButton->Enable(selected >= 0 && selected < count - 1);
}

void MapRotationTab::OnListSelected(wxCommandEvent& /*event*/)
{
    UpdateButtons();
}

bool MapRotationTab::CanAdd(int map) const
{
    return map >= 0 && FitsInStoredList(m_mapList->GetString(map));
}

void MapRotationTab::OnAddMap(wxCommandEvent& /*event*/)
{
    const int map = m_mapList->GetSelection();
    if (!CanAdd(map))
        return;
    const int selected = m_rotationList->GetSelection();
    const int position =
        selected >= 0 ? selected + 1 : static_cast<int>(m_rotationList->GetCount());
    m_rotationList->Insert(m_mapList->GetString(map), position);
    m_rotationList->SetSelection(position);
    UpdateButtons();
    MarkModified();
}

void MapRotationTab::OnRemoveMap(wxCommandEvent& /*event*/)
{
    const int selected = m_rotationList->GetSelection();
    if (selected < 0)
        return;
    m_rotationList->Delete(selected);
    if (!m_rotationList->IsEmpty())
        m_rotationList->SetSelection(selected > 0 ? selected - 1 : 0);
    UpdateButtons();
    MarkModified();
}

void MapRotationTab::OnMoveUp(wxCommandEvent& /*event*/)
{
    const int selected = m_rotationList->GetSelection();
    if (selected <= 0)
        return;
    SwapRotationEntries(selected, selected - 1);
    UpdateButtons();
    MarkModified();
}

void MapRotationTab::OnMoveDown(wxCommandEvent& /*event*/)
{
    const int selected = m_rotationList->GetSelection();
    if (selected < 0 || selected >= static_cast<int>(m_rotationList->GetCount()) - 1)
        return;
    SwapRotationEntries(selected, selected + 1);
    UpdateButtons();
    MarkModified();
}

void MapRotationTab::OnClearRotation(wxCommandEvent& /*event*/)
{
    m_rotationList->Clear();
    UpdateButtons();
    MarkModified();
}

void MapRotationTab::SwapRotationEntries(int from, int to)
{
    const wxString moving = m_rotationList->GetString(from);
    m_rotationList->SetString(from, m_rotationList->GetString(to));
    m_rotationList->SetString(to, moving);
    m_rotationList->SetSelection(to);
}

wxBEGIN_EVENT_TABLE(MapRotationTab, wxPanel)
    EVT_LISTBOX(MapRotationId::MapList, MapRotationTab::OnListSelected)
    EVT_LISTBOX(MapRotationId::RotationList, MapRotationTab::OnListSelected)
    EVT_BUTTON(MapRotationId::Add, MapRotationTab::OnAddMap)
    EVT_BUTTON(MapRotationId::Remove, MapRotationTab::OnRemoveMap)
    EVT_BUTTON(MapRotationId::MoveUp, MapRotationTab::OnMoveUp)
    EVT_BUTTON(MapRotationId::MoveDown, MapRotationTab::OnMoveDown)
    EVT_BUTTON(MapRotationId::Clear, MapRotationTab::OnClearRotation)
wxEND_EVENT_TABLE()
