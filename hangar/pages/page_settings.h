#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class wxWindow;

// One control of a page that carries a setting, as the page's table of settings lists it: what
// the page builds the control from, the key the main window registers it under, and the value
// SetDefaults puts back.
struct PageSetting
{
    const char* m_key = nullptr;  // the setting key; nullptr for a control that is not saved
    int m_id = 0;                 // the window id, unique within the page
    int m_stringId = 0;           // the caption or label in the string table (0: none)
    const char* m_text = nullptr; // a text field's default; nullptr: SetDefaults leaves it
    bool m_checked = false;       // a check box's default
    std::int32_t m_minValue = 0;  // a numeric field's range (both 0: not a numeric field)
    std::int32_t m_maxValue = 0;
    std::size_t m_maxLength = 0; // the most characters the user can put in (0: no limit)
};

using PageSettings = std::vector<PageSetting>;

// The kinds of row, by their defaults: a check box (checked or not); a text field (its text, and
// at most maxLength characters when given); a numeric field (its text and range); a choice (its
// first item); a list box (emptied); a text field the launcher only carries through (never reset).
PageSetting CheckBoxSetting(const char* key, int id, int stringId, bool checked);
PageSetting TextSetting(const char* key, int id, int stringId, const char* text,
                        std::size_t maxLength = 0);
PageSetting NumberSetting(const char* key, int id, int stringId, const char* text,
                          std::int32_t minValue, std::int32_t maxValue);
PageSetting ChoiceSetting(const char* key, int id, int stringId);
PageSetting ListSetting(const char* key, int id);
PageSetting CarriedSetting(const char* key, int id);

// The row of the control with window id `id`; every control a page builds from its table has one.
const PageSetting& SettingFor(const PageSettings& settings, int id);

// Puts the controls of `settings` on `page` back to their defaults, in the order of the table.
void SetPageDefaults(wxWindow* page, const PageSettings& settings);
