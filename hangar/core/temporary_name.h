#pragma once

#include <cstddef>
#include <string>

// The names of the file writer's temporary copies (safe_file.h): ".<name>.hangar-XXXXXX" beside
// the file <name> they are to replace, XXXXXX six letters or digits. <name> may be cut short to
// keep the copy's name or path within the system's limits, down to nothing. No other file
// carries a name of this form: the writer's clean-up removes no file of any other name.
// Text is std::string (POSIX names are bytes) or std::wstring (Windows).

constexpr std::size_t kTemporaryRandomLength = 6;
// The longest part of the file's name that a temporary name keeps (names take at most 255).
constexpr std::size_t kTemporaryNamePartMax = 200;

// The temporary name of `name` up to its random part, keeping `namePart` characters of the name.
template <typename Text> Text TemporaryPrefix(const Text& name, std::size_t namePart)
{
    const char* const mark = ".hangar-";
    Text prefix(1, '.');
    prefix += name.substr(0, namePart);
    prefix.append(mark, mark + 8);
    return prefix;
}

// True when `entry` is a temporary name of `name`, its name part shortened or not.
template <typename Text> bool IsTemporaryNameOf(const Text& entry, const Text& name)
{
    const char* const mark = ".hangar-";
    const std::size_t fixed = 1 + 8 + kTemporaryRandomLength;
    if (entry.size() < fixed || entry[0] != '.')
        return false;
    const std::size_t namePart = entry.size() - fixed;
    if (namePart > name.size() || entry.compare(1, namePart, name, 0, namePart) != 0 ||
        entry.compare(1 + namePart, 8, Text(mark, mark + 8)) != 0)
        return false;
    for (std::size_t i = entry.size() - kTemporaryRandomLength; i < entry.size(); ++i)
    {
        const auto c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}
