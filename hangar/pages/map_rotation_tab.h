#pragma once

#include "hangar/pages/defaultable.h"
#include "hangar/pages/page_settings.h"

#include <memory>
#include <wx/arrstr.h>
#include <wx/panel.h>

class wxButton;
class wxFileConfig;
class wxListBox;

// The Map Rotation page: the maps of the map list file on the left, the server's rotation on the
// right, and the buttons that compose the rotation from the maps between them.
class MapRotationTab : public wxPanel, public Defaultable
{
public:
    // Opens the map list file (creating it with the default maps when missing) and builds the page;
    // the rotation starts empty and every button disabled.
    explicit MapRotationTab(wxWindow* parent);
    ~MapRotationTab() override;

    // The page's one setting, RotationList.
    static const PageSettings& Settings();

    // Empties the rotation; marks nothing modified.
    void SetDefaults() override;
    // Enables the five buttons from the selections of the two lists. A map whose name the
    // settings file could not store whole (one with a comma) is never added: Add stays disabled
    // for it, and the tool tips of the maps and of Add say why.
    virtual void UpdateButtons();

    // Empty, or why the map list file could not be used (its built-in maps are offered).
    const wxString& ListProblem() const { return m_listProblem; }

    wxListBox* m_rotationList = nullptr; // the rotation, registered as "RotationList"

private:
    // Opens the map list file and returns its map names in file order.
    wxArrayString OpenMapList();
    void CreateButtonColumn();
    // True when the map at index `map` of the maps list (-1: none) can join the rotation.
    bool CanAdd(int map) const;

    void OnListSelected(wxCommandEvent& event);
    void OnAddMap(wxCommandEvent& event);
    void OnRemoveMap(wxCommandEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);
    void OnClearRotation(wxCommandEvent& event);
    // Exchanges the rotation entries at `from` and `to` and selects the one now at `to`.
    void SwapRotationEntries(int from, int to);

    std::unique_ptr<wxFileConfig> m_mapConfig; // the map list file, open for the page's life
    wxString m_listProblem;
    wxButton* m_addButton = nullptr;
    wxButton* m_clearButton = nullptr;
    wxButton* m_moveDownButton = nullptr;

public:
    wxListBox* m_mapList = nullptr; // the maps of the map list file, in file order

private:
    wxButton* m_removeButton = nullptr;
    wxButton* m_moveUpButton = nullptr;

    wxDECLARE_EVENT_TABLE();
};
