#include "hangar/core/duplicate_keys.h"

#include <map>

namespace
{
// The text with the toolkit's backslash escapes undone.
wxString Unescaped(const wxString& text)
{
    wxString plain;
    for (size_t i = 0; i < text.length(); ++i)
    {
        if (text[i] == '\\' && i + 1 < text.length())
            ++i;
        plain += text[i];
    }
    return plain;
}

// Where the first unescaped `c` stands in line from `from` on, or npos.
size_t FindUnescaped(const wxString& line, wxUniChar c, size_t from)
{
    for (size_t i = from; i < line.length(); ++i)
    {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == c)
            return i;
    }
    return wxString::npos;
}

// A line of ini text without its end, as the toolkit reads it.
struct Line
{
    bool m_isGroup = false;
    wxString m_name; // the group's or the entry's name; empty for any other line
};

Line ReadLine(const wxString& text)
{
    Line line;
    const size_t start = text.find_first_not_of(" \t");
    if (start == wxString::npos || text[start] == ';' || text[start] == '#')
        return line;
    if (text[start] == '[')
    {
        const size_t close = FindUnescaped(text, ']', start + 1);
        if (close != wxString::npos) // a header without "]" is an error the toolkit skips
        {
            line.m_isGroup = true;
            line.m_name = Unescaped(text.substr(start + 1, close - start - 1));
        }
        return line;
    }
    const size_t equals = FindUnescaped(text, '=', start);
    if (equals == wxString::npos)
        return line;
    wxString name = text.substr(start, equals - start);
    line.m_name = Unescaped(name.Trim(true));
    return line;
}
} // namespace

SingleCopies DropLaterCopies(const wxString& text, const wxString& group)
{
    SingleCopies single;
    // The group's keys met so far, in lower case: their first spelling, and whether a second
    // copy has been met.
    std::map<wxString, std::pair<wxString, bool>> seen;
    bool inGroup = false;
    size_t start = 0;
    while (start < text.length())
    {
        // The line and its end: "\r\n", "\n" or "\r".
        size_t end = text.find_first_of("\r\n", start);
        size_t next = end == wxString::npos ? text.length() : end + 1;
        if (end != wxString::npos && text[end] == '\r' && next < text.length() &&
            text[next] == '\n')
            ++next;
        if (end == wxString::npos)
            end = text.length();
        const Line line = ReadLine(text.substr(start, end - start));
        bool drop = false;
        if (line.m_isGroup)
        {
            inGroup = line.m_name.CmpNoCase(group) == 0;
        }
        else if (inGroup && !line.m_name.empty())
        {
            const auto [known, first] =
                seen.emplace(line.m_name.Lower(), std::make_pair(line.m_name, false));
            drop = !first;
            if (drop && !known->second.second)
            {
                known->second.second = true;
                single.m_keys.push_back(known->second.first);
            }
        }
        if (!drop)
            single.m_text.append(text, start, next - start);
        start = next;
    }
    return single;
}

wxString DuplicateKeysText(const wxString& path, const std::vector<wxString>& keys)
{
    if (keys.empty())
        return wxString();
    wxString names;
    for (const wxString& key : keys)
        names += (names.empty() ? "" : ", ") + key;
    return wxString::Format("The settings file \"%s\" holds these settings more than once: %s. The "
                            "first copy of each is shown, as the server reads it, and a save keeps "
                            "only that copy.",
                            path, names);
}
