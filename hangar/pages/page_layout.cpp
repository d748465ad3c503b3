#include "hangar/pages/page_layout.h"

#include "hangar/core/res_string.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

wxPanel* CreatePageColumn(wxWindow* page)
{
    wxPanel* column = new wxPanel(page, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxTAB_TRAVERSAL | wxNO_BORDER);
    column->SetSizer(new wxBoxSizer(wxVERTICAL));
    return column;
}

wxFlexGridSizer* CreateFieldGrid()
{
    wxFlexGridSizer* grid = new wxFlexGridSizer(2, 0, 10);
    grid->AddGrowableCol(1);
    return grid;
}

wxTextCtrl* CreateTextField(wxWindow* parent, int id, long style)
{
    return new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, style);
}

wxStaticText* CreateFieldCaption(wxWindow* parent, int stringId)
{
    return new wxStaticText(parent, wxID_ANY, LoadResString(stringId) + ":", wxDefaultPosition,
                            wxDefaultSize, 0);
}

wxCheckBox* AddLabelledCheckBox(wxWindow* parent, wxSizer* sizer, int id, int stringId,
                                bool gapAbove)
{
    wxCheckBox* box = new wxCheckBox(parent, id, "  " + LoadResString(stringId), wxDefaultPosition,
                                     wxDefaultSize, 0);
    sizer->Add(box, 0, wxEXPAND | wxLEFT | wxRIGHT | (gapAbove ? wxTOP : 0), 8);
    return box;
}
