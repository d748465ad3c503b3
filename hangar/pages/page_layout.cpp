#include "hangar/pages/page_layout.h"

#include "hangar/core/res_string.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/group_box.h"
#include "hangar/pages/range_validator.h"
#include "hangar/pages/text_limit.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace PageFlags
{
wxSizerFlags Column(const wxWindow* window)
{
    return wxSizerFlags(1).Expand().Border(wxALL, window->FromDIP(10));
}

wxSizerFlags NextColumn(const wxWindow* window)
{
    return wxSizerFlags(1).Expand().Border(wxTOP | wxBOTTOM | wxRIGHT, window->FromDIP(10));
}

wxSizerFlags Caption(const wxWindow* window)
{
    return wxSizerFlags().Expand().Border(wxLEFT, window->FromDIP(8));
}

wxSizerFlags Field(const wxWindow* window)
{
    return wxSizerFlags().Expand().Border(wxRIGHT, window->FromDIP(8));
}

wxSizerFlags Inset(const wxWindow* window)
{
    return wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, window->FromDIP(8));
}

wxSizerFlags GapAbove(wxSizerFlags flags)
{
    return flags.Border((flags.GetFlags() & wxALL) | wxTOP, flags.GetBorderInPixels());
}

wxSizerFlags GapBelow(wxSizerFlags flags)
{
    return flags.Border((flags.GetFlags() & wxALL) | wxBOTTOM, flags.GetBorderInPixels());
}
} // namespace PageFlags

wxPanel* AddPageColumn(wxWindow* page, const wxSizerFlags& flags)
{
    wxPanel* column = new wxPanel(page, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxTAB_TRAVERSAL | wxNO_BORDER);
    column->SetSizer(new wxBoxSizer(wxVERTICAL));
    page->GetSizer()->Add(column, flags);
    return column;
}

void FitPageColumns(wxWindow* page)
{
    for (wxWindow* column : page->GetChildren())
        column->Fit();
}

wxWindow* AddGroup(wxWindow* column, wxSizer* content, int captionId)
{
    const wxString caption = captionId != 0 ? LoadResString(captionId) : wxString();
    return CreateGroupBox(column, column->GetSizer(), content, caption);
}

wxFlexGridSizer* CreateFieldGrid(const wxWindow* window)
{
    wxFlexGridSizer* grid = new wxFlexGridSizer(2, 0, window->FromDIP(10));
    grid->AddGrowableCol(1);
    return grid;
}

wxTextCtrl* CreateSettingField(wxWindow* parent, const PageSetting& setting, long style)
{
    wxTextCtrl* field = new wxTextCtrl(parent, setting.m_id, wxEmptyString, wxDefaultPosition,
                                       wxDefaultSize, style);
    if (setting.m_minValue != 0 || setting.m_maxValue != 0)
    {
        RangeValidator validator(setting.m_minValue, setting.m_maxValue, g_validatorText);
        if (setting.m_text && validator.CheckRange(setting.m_text, true) != 0)
            validator.AcceptAsFinished(setting.m_text);
        field->SetValidator(validator);
    }
    if (setting.m_maxLength != 0)
        LimitTextLength(field, setting.m_maxLength);
    return field;
}

wxStaticText* CreateFieldCaption(wxWindow* parent, int stringId)
{
    return new wxStaticText(parent, wxID_ANY, LoadResString(stringId) + ":", wxDefaultPosition,
                            wxDefaultSize, 0);
}

void AddCaptionAbove(wxWindow* group, wxSizer* sizer, const PageSetting& setting)
{
    sizer->Add(CreateFieldCaption(group, setting.m_stringId), PageFlags::Caption(group));
    sizer->AddSpacer(group->FromDIP(3));
}

wxTextCtrl* AddFieldRow(wxWindow* group, wxSizer* grid, const PageSetting& setting, bool gapAbove,
                        long style)
{
    const auto gap = [gapAbove](wxSizerFlags flags)
    { return gapAbove ? PageFlags::GapAbove(flags) : flags; };
    grid->Add(CreateFieldCaption(group, setting.m_stringId), gap(PageFlags::Caption(group)));
    wxTextCtrl* field = CreateSettingField(group, setting, style);
    grid->Add(field, gap(PageFlags::Field(group)));
    return field;
}

wxCheckBox* AddLabelledCheckBox(wxWindow* group, wxSizer* sizer, const PageSetting& setting,
                                bool gapAbove)
{
    wxCheckBox* box = new wxCheckBox(group, setting.m_id, "  " + LoadResString(setting.m_stringId),
                                     wxDefaultPosition, wxDefaultSize, 0);
    sizer->Add(box,
               gapAbove ? PageFlags::GapAbove(PageFlags::Inset(group)) : PageFlags::Inset(group));
    return box;
}
