#include "hangar/core/range_check.h"

#include "hangar/core/integer_text.h"

namespace
{
// Reads the whole text as a base-10 integer: nothing may follow the digits.
bool ReadInteger(const wxString& text, long long& value)
{
    const LeadingInteger64 read = ReadLeadingInteger(text);
    value = read.m_value;
    return read.m_hasDigits && read.m_wholeText;
}
} // namespace

int CheckRangeText(const wxString& text, bool final, std::int32_t minValue, std::int32_t maxValue)
{
    if (!final && text == "-")
        return minValue < 0 ? 0 : -1;

    long long value = 0;
    if (!ReadInteger(text, value))
        return -1;
    if (value > maxValue)
        return 1;
    if (final)
        return value >= minValue ? 0 : -1;
    if (value >= minValue)
        return 0;

    // Still typing and below the minimum: accept the leading digits of a number that can reach it.
    const wxString prefix = wxString::Format("%d", static_cast<int>(minValue)).Left(text.length());
    long long reachable = 0;
    if (ReadInteger(prefix, reachable) && value >= reachable)
        return 0;
    return -1;
}
