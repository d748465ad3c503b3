#include "hangar/core/range_check.h"

namespace
{
// Reads text as a base-10 integer. Saturates at +/- 2^62 so that any number of digits compares
// correctly with 32-bit bounds.
bool ReadInteger(const wxString& text, long long& value)
{
    constexpr long long kLimit = 1LL << 62;
    wxString::const_iterator it = text.begin();
    const wxString::const_iterator end = text.end();
    while (it != end &&
           (*it == ' ' || *it == '\t' || *it == '\n' || *it == '\r' || *it == '\f' || *it == '\v'))
        ++it;
    bool negative = false;
    if (it != end && (*it == '+' || *it == '-'))
    {
        negative = *it == '-';
        ++it;
    }
    if (it == end)
        return false;
    long long magnitude = 0;
    for (; it != end; ++it)
    {
        const wxUniChar c = *it;
        if (c < '0' || c > '9')
            return false;
        const long long digit = static_cast<long long>(c.GetValue() - '0');
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
    }
    value = negative ? -magnitude : magnitude;
    return true;
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
