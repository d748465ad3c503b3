#pragma once

#include <wx/string.h>

class wxCheckBox;
class wxFlexGridSizer;
class wxPanel;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// Building blocks shared by the settings pages.

// A column of a page: a plain panel with a vertical box sizer; the caller adds it to the page.
wxPanel* CreatePageColumn(wxWindow* page);

// The grid of a field group: two columns (caption, field), no vertical gap, 10 pixels between the
// columns, the field column growing.
wxFlexGridSizer* CreateFieldGrid();

// An empty text field with the given window id and style.
wxTextCtrl* CreateTextField(wxWindow* parent, int id, long style = 0);

// The caption of a field: the string-table text followed by ":".
wxStaticText* CreateFieldCaption(wxWindow* parent, int stringId);

// A check box that carries its own label, two spaces after the box, added to a vertical sizer with
// 8 pixels left and right; gapAbove opens 8 pixels above it as well.
wxCheckBox* AddLabelledCheckBox(wxWindow* parent, wxSizer* sizer, int id, int stringId,
                                bool gapAbove = false);
