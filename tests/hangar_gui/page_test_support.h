#pragma once

// Helpers of the settings page tests: real clicks on the frame's buttons, reading and
// changing any registered control by its kind, finding the page, group and caption of a control.

#include "hangar/hangar_frame.h"

#include <functional>
#include <map>
#include <wx/string.h>

class wxWindow;

// Selects the page in the notebook and clicks "Reset to Defaults".
void ResetPage(HangarFrame* frame, int pageIndex);

// The value of a control as the settings file writes it: text, "True"/"False", the selected
// item, or the items joined with ",".
wxString ControlValue(wxWindow* control);
// Changes a control to a value different from its current one without any change event, as a
// load does (text: "9" appended, a number field another number in its range; check box: toggled;
// choice: another item when there is one; list box: one more item).
void ChangeControl(wxWindow* control);
// Every registered control's value, by key.
std::map<wxString, wxString> SectionValues(HangarFrame* frame);

// The notebook page index holding the control, or -1.
int PageOf(HangarFrame* frame, wxWindow* control);
// The caption of the group box around a control made with CreateGroupBox.
wxString GroupCaption(wxWindow* control);
// The text of the label that stands before a field in its sizer (empty when there is none).
wxString FieldCaption(wxWindow* field);

// Page indices in the notebook.
enum PageIndex
{
    kBasicPage = 0,
    kAdvancedPage = 1,
    kMiscPage = 2,
    kMapRotationPage = 3,
};
