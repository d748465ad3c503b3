#include "hangar/core/value_codec.h"

#include "hangar/core/integer_text.h"

#include <algorithm>
#include <climits>

wxString CheckBoxText(bool checked)
{
    return checked ? "True" : "False";
}

std::optional<bool> CheckBoxState(const wxString& stored)
{
    if (stored.CmpNoCase("True") == 0 || stored == "1")
        return true;
    if (stored.CmpNoCase("False") == 0 || stored == "0")
        return false;
    return std::nullopt;
}

int ChoiceIndex(const wxArrayString& items, const wxString& stored)
{
    int found = wxNOT_FOUND;
    for (size_t i = 0; i < items.size(); ++i)
    {
        if (items[i] == stored)
            found = static_cast<int>(i);
    }
    return found;
}

wxArrayString SplitString(const wxString& text, const wxString& separator)
{
    wxArrayString pieces;
    if (separator.empty())
    {
        if (!text.empty())
            pieces.Add(text);
        return pieces;
    }
    size_t start = 0;
    for (size_t found = text.find(separator); found != wxString::npos;
         found = text.find(separator, start))
    {
        pieces.Add(text.substr(start, found - start));
        start = found + separator.length();
    }
    if (start < text.length())
        pieces.Add(text.substr(start));
    return pieces;
}

wxString JoinStrings(const wxArrayString& items, const wxString& separator)
{
    wxString joined;
    for (size_t i = 0; i < items.size(); ++i)
    {
        if (i > 0)
            joined += separator;
        joined += items[i];
    }
    return joined;
}

const wxString kListSeparator = ",";

bool FitsInStoredList(const wxString& item)
{
    return item.find(kListSeparator) == wxString::npos;
}

int LeadingInteger(const wxString& text)
{
    const long long value = ReadLeadingInteger(text).m_value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

wxString RoundsForFile(const wxString& fieldText)
{
    return wxString::Format("%d", LeadingInteger(fieldText) / 2 + 1);
}

wxString RoundsForField(const wxString& stored, int fieldTop)
{
    if (stored.empty() || stored.length() > 9)
        return stored; // not a whole number whose double fits comfortably
    long long value = 0;
    for (const wxUniChar c : stored)
    {
        if (c < '0' || c > '9')
            return stored;
        value = value * 10 + (static_cast<int>(c.GetValue()) - '0');
    }
    if (value < 1)
        return stored;
    return wxString::Format("%lld", std::min<long long>(2 * value - 1, fieldTop));
}
