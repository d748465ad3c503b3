#include "hangar/core/settings_file.h"
#include "tests/support/wx_print.h"

#include <gtest/gtest.h>
#include <iostream>
#include <vector>

namespace
{
// The UTF-16 bytes of ASCII-and-more text, little- or big-endian, without a byte-order mark.
std::string Utf16(const std::wstring& text, bool little)
{
    std::string bytes;
    for (const wchar_t c : text)
    {
        const char high = static_cast<char>((c >> 8) & 0xFF);
        const char low = static_cast<char>(c & 0xFF);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

struct Cell
{
    const char* m_name;
    std::string m_bytes;
    wxString m_text;
};
} // namespace

TEST(SettingsText, EachFileIsReadAsWhatItIs)
{
    const std::wstring greek = L"[G]\nGameName=Zo\u00EB \u03A9\u03BC\u03AD\u03B3\u03B1\r\n";
    const std::vector<Cell> cells = {
        {"UTF-8 with one stray Latin-1 byte in another value",
         "GameName=Zo\xC3\xAB \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1\nWelcome=Caf\xE9\n",
         L"GameName=Zo\u00EB \u03A9\u03BC\u03AD\u03B3\u03B1\nWelcome=Caf\u00E9\n"},
        {"UTF-8 with its mark and stray bytes", "\xEF\xBB\xBFx=\xE9\xC3\xA9\x80",
         L"x=\u00E9\u00E9\u0080"},
        {"Latin-1 only", "GameName=Caf\xE9 \xFC\n", L"GameName=Caf\u00E9 \u00FC\n"},
        {"valid UTF-8 that could be read as Latin-1", "x=\xC3\x83\xC2\xA9", L"x=\u00C3\u00A9"},
        {"an overlong form is two stray bytes", "x=\xC0\xAF", L"x=\u00C0\u00AF"},
        {"an encoded surrogate is three stray bytes", "x=\xED\xA0\x80", L"x=\u00ED\u00A0\u0080"},
        {"a sequence cut at the end", "x=\xE2\x82", L"x=\u00E2\u0082"},
        {"UTF-16 little-endian without a mark", Utf16(greek, true), greek},
        {"UTF-16 big-endian without a mark", Utf16(greek, false), greek},
        {"UTF-16 without a mark, a character with a zero low byte",
         Utf16(L"[G]\nName=\u4E00\u0100 in text\n", true), L"[G]\nName=\u4E00\u0100 in text\n"},
        {"UTF-16 with its mark", "\xFF\xFE" + Utf16(greek, true), greek},
        {"one NUL byte in UTF-8 is dropped", std::string("a=b\0c\n", 6), "a=bc\n"},
        {"NUL bytes on both sides are no UTF-16", std::string("a\0\0b\ncd", 7), "ab\ncd"},
    };
    std::cout << "[ table    ] " << cells.size() << " byte patterns\n";
    for (const Cell& cell : cells)
        EXPECT_EQ(cell.m_text, DecodeSettingsText(cell.m_bytes)) << cell.m_name;
}
