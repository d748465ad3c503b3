#pragma once

#include "hangar/pages/page_settings.h"

#include <wx/sizer.h>

class wxCheckBox;
class wxPanel;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// Building blocks shared by the settings pages.

// The sizer flags of the pages. Their borders are given in DIPs and come out in the pixels of
// `window`, the window the item is laid out in (or any window on the same screen).
namespace PageFlags
{
// A column of a page: it takes its share of the width, 10 DIPs around it.
wxSizerFlags Column(const wxWindow* window);
// A column right of another one, which already keeps 10 DIPs between them.
wxSizerFlags NextColumn(const wxWindow* window);
// A field's caption, left of the field or above it: 8 DIPs at the left.
wxSizerFlags Caption(const wxWindow* window);
// A field right of its caption: 8 DIPs at the right.
wxSizerFlags Field(const wxWindow* window);
// An item across its group (a check box with its own label, a field under its caption): 8 DIPs
// left and right.
wxSizerFlags Inset(const wxWindow* window);
// The same flags with the border on top as well, a small gap above the item.
wxSizerFlags GapAbove(wxSizerFlags flags);
// The same flags with the border below as well.
wxSizerFlags GapBelow(wxSizerFlags flags);
} // namespace PageFlags

// A column of a page: a plain panel with a vertical box sizer, added to the page's sizer.
wxPanel* AddPageColumn(wxWindow* page, const wxSizerFlags& flags);
// Gives each column of a page, once filled, the size its content needs, so that the toolkit never
// lays out a control inside a column or a group of the initial tiny size (GTK then gives a check
// box a negative size).
void FitPageColumns(wxWindow* page);

// A group of a column: a group box (CreateGroupBox) with the caption string captionId, or none
// when it is 0, whose controls go into `content`. Returns the panel that is their parent.
wxWindow* AddGroup(wxWindow* column, wxSizer* content, int captionId = 0);

// The grid of a field group laid out in `window`: two columns (caption, field), no vertical gap,
// 10 DIPs between the columns, the field column growing.
wxFlexGridSizer* CreateFieldGrid(const wxWindow* window);

// The text field of a setting, empty, with the given style: with the setting's range validator (a
// default outside the range, set by the program, is accepted as a finished value) or its length
// limit.
wxTextCtrl* CreateSettingField(wxWindow* parent, const PageSetting& setting, long style = 0);

// The caption of a field: the string-table text followed by ":".
wxStaticText* CreateFieldCaption(wxWindow* parent, int stringId);

// The setting's caption above the item added next, 3 DIPs over it.
void AddCaptionAbove(wxWindow* group, wxSizer* sizer, const PageSetting& setting);

// A row of a field grid: the setting's caption, then its field (CreateSettingField); gapAbove
// opens 8 DIPs above the row.
wxTextCtrl* AddFieldRow(wxWindow* group, wxSizer* grid, const PageSetting& setting,
                        bool gapAbove = false, long style = 0);

// A check box that carries its own label, two spaces after the box, added across its group;
// gapAbove opens 8 DIPs above it.
wxCheckBox* AddLabelledCheckBox(wxWindow* group, wxSizer* sizer, const PageSetting& setting,
                                bool gapAbove = false);
