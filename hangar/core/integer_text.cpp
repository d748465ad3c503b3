#include "hangar/core/integer_text.h"

LeadingInteger64 ReadLeadingInteger(const wxString& text)
{
    constexpr long long kLimit = 1LL << 62;
    auto it = text.begin();
    const auto end = text.end();
    while (it != end &&
           (*it == ' ' || *it == '\t' || *it == '\n' || *it == '\v' || *it == '\f' || *it == '\r'))
        ++it;
    bool negative = false;
    if (it != end && (*it == '+' || *it == '-'))
    {
        negative = *it == '-';
        ++it;
    }
    LeadingInteger64 read;
    long long magnitude = 0;
    for (; it != end && *it >= '0' && *it <= '9'; ++it)
    {
        const long long digit = static_cast<long long>((*it).GetValue() - '0');
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
        read.m_hasDigits = true;
    }
    read.m_value = negative ? -magnitude : magnitude;
    read.m_wholeText = it == end;
    return read;
}
