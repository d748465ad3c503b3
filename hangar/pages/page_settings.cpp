#include "hangar/pages/page_settings.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/debug.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

PageSetting CheckBoxSetting(const char* key, int id, int stringId, bool checked)
{
    return {key, id, stringId, nullptr, checked, 0, 0, 0};
}

PageSetting TextSetting(const char* key, int id, int stringId, const char* text,
                        std::size_t maxLength)
{
    return {key, id, stringId, text, false, 0, 0, maxLength};
}

PageSetting NumberSetting(const char* key, int id, int stringId, const char* text,
                          std::int32_t minValue, std::int32_t maxValue)
{
    return {key, id, stringId, text, false, minValue, maxValue, 0};
}

PageSetting ChoiceSetting(const char* key, int id, int stringId)
{
    return {key, id, stringId, nullptr, false, 0, 0, 0};
}

PageSetting ListSetting(const char* key, int id)
{
    return {key, id, 0, nullptr, false, 0, 0, 0};
}

PageSetting CarriedSetting(const char* key, int id)
{
    return {key, id, 0, nullptr, false, 0, 0, 0};
}

const PageSetting& SettingFor(const PageSettings& settings, int id)
{
    for (const PageSetting& setting : settings)
    {
        if (setting.m_id == id)
            return setting;
    }
    wxFAIL_MSG(wxString::Format("window id %d is not in the page's settings", id));
    return settings.front();
}

void SetPageDefaults(wxWindow* page, const PageSettings& settings)
{
    for (const PageSetting& setting : settings)
    {
        wxWindow* control = page->FindWindow(setting.m_id);
        if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(control))
        {
            box->SetValue(setting.m_checked);
        }
        else if (wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(control))
        {
            if (setting.m_text)
                field->SetValue(setting.m_text);
        }
        else if (wxChoice* choice = dynamic_cast<wxChoice*>(control))
        {
            if (!choice->IsEmpty())
                choice->SetSelection(0);
        }
        else if (wxListBox* list = dynamic_cast<wxListBox*>(control))
        {
            list->Clear();
        }
    }
}
