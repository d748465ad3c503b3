#include "hangar/core/text_decoding.h"

#include <cstring>
#include <optional>
#include <wx/strconv.h>

namespace
{
bool StartsWith(const std::string& bytes, const char* prefix, size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

enum class Utf16
{
    Little,
    Big
};

// UTF-16 text, decoded; empty when the bytes are no valid UTF-16 (an unpaired surrogate).
wxString FromUtf16(const char* bytes, size_t size, Utf16 order)
{
    wxMBConvUTF16LE little;
    wxMBConvUTF16BE big;
    const wxMBConv& conv = order == Utf16::Little ? static_cast<const wxMBConv&>(little) : big;
    return wxString(bytes, conv, size);
}

// The byte order of UTF-16 written without a mark, judged by where its zero bytes stand: at least
// half of the characters (and two) have a zero high byte (the file's ASCII and Latin-1), on one
// side only but for a few characters such as U+0100 or U+4E00 on the other. Text in a one-byte
// encoding has no zero bytes at all, or a stray one.
std::optional<Utf16> Utf16ByZeros(const std::string& bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return std::nullopt;
    size_t evenZeros = 0;
    size_t oddZeros = 0;
    for (size_t i = 0; i < bytes.size(); i += 2)
    {
        evenZeros += bytes[i] == '\0';
        oddZeros += bytes[i + 1] == '\0';
    }
    const size_t characters = bytes.size() / 2;
    const auto oneSided = [characters](size_t many, size_t few)
    { return many >= 2 && many * 2 >= characters && few * 4 <= many; };
    if (oneSided(oddZeros, evenZeros))
        return Utf16::Little;
    if (oneSided(evenZeros, oddZeros))
        return Utf16::Big;
    return std::nullopt;
}

// The length of the valid UTF-8 sequence at the start of p (left bytes), or 0 when none starts
// there: overlong forms, surrogates and code points beyond U+10FFFF are not valid.
size_t Utf8SequenceLength(const unsigned char* p, size_t left)
{
    const unsigned char lead = p[0];
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead == 0xE0)
        length = 3, low = 0xA0;
    else if (lead == 0xED)
        length = 3, high = 0x9F;
    else if (lead >= 0xE1 && lead <= 0xEF)
        length = 3;
    else if (lead == 0xF0)
        length = 4, low = 0x90;
    else if (lead == 0xF4)
        length = 4, high = 0x8F;
    else if (lead >= 0xF1 && lead <= 0xF3)
        length = 4;
    else
        return 0;
    if (left < length || p[1] < low || p[1] > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
    {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return length;
}

// UTF-8 whose stray bytes are taken one by one as Latin-1. The sequences are judged here: the
// toolkit's own decoder takes encoded surrogates.
wxString FromUtf8WithStrayBytes(const char* bytes, size_t size)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    wxString text;
    text.reserve(size);
    size_t runStart = 0; // the valid UTF-8 not yet appended starts here
    size_t i = 0;
    while (i < size)
    {
        const size_t length = Utf8SequenceLength(p + i, size - i);
        if (length > 0)
        {
            i += length;
            continue;
        }
        text += wxString::FromUTF8(bytes + runStart, i - runStart);
        text += wxUniChar(static_cast<unsigned>(p[i]));
        runStart = ++i;
    }
    text += wxString::FromUTF8(bytes + runStart, size - runStart);
    return text;
}
} // namespace

wxString DecodeText(const std::string& bytes)
{
    if (bytes.empty())
        return wxString();
    const bool littleMark = StartsWith(bytes, "\xFF\xFE", 2);
    if (littleMark || StartsWith(bytes, "\xFE\xFF", 2))
    {
        const wxString text =
            FromUtf16(bytes.data() + 2, bytes.size() - 2, littleMark ? Utf16::Little : Utf16::Big);
        if (!text.empty() || bytes.size() == 2)
            return text;
    }
    else if (const std::optional<Utf16> order = Utf16ByZeros(bytes))
    {
        const wxString text = FromUtf16(bytes.data(), bytes.size(), *order);
        if (!text.empty())
            return text;
    }
    // The mark is no text, whatever follows it.
    const size_t skip = StartsWith(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    return FromUtf8WithStrayBytes(bytes.data() + skip, bytes.size() - skip);
}
