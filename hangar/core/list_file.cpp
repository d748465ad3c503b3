#include "hangar/core/list_file.h"

#include "hangar/core/safe_file.h"
#include "hangar/core/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/tokenzr.h>

namespace
{
// The entry name of an ini line: the text before "=", trimmed; the toolkit's escapes undone.
wxString EntryName(const wxString& line)
{
    const int equals = line.Find('=');
    if (equals == wxNOT_FOUND)
        return wxString();
    wxString name = line.Left(equals);
    name.Trim(true).Trim(false);
    wxString plain;
    for (size_t i = 0; i < name.length(); ++i)
    {
        if (name[i] == '\\' && i + 1 < name.length())
            ++i;
        plain += name[i];
    }
    return plain;
}
} // namespace

std::vector<wxString> EntryNamesInFileOrder(const wxString& iniText, const wxString& group)
{
    std::vector<wxString> names;
    bool inGroup = false;
    wxStringTokenizer lines(iniText, "\r\n", wxTOKEN_STRTOK);
    while (lines.HasMoreTokens())
    {
        wxString line = lines.GetNextToken();
        line.Trim(false);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[')
        {
            const int close = line.Find(']', true);
            const wxString name = close == wxNOT_FOUND ? line.Mid(1) : line.Mid(1, close - 1);
            inGroup = name.CmpNoCase(group) == 0;
            continue;
        }
        if (!inGroup)
            continue;
        const wxString name = EntryName(line);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

wxArrayString OrderByFile(const wxArrayString& names, const std::vector<wxString>& fileOrder)
{
    wxArrayString ordered;
    for (const wxString& name : fileOrder)
    {
        for (const wxString& known : names)
        {
            if (known.CmpNoCase(name) == 0 && ordered.Index(known) == wxNOT_FOUND)
            {
                ordered.Add(known);
                break;
            }
        }
    }
    for (const wxString& known : names)
    {
        if (ordered.Index(known) == wxNOT_FOUND)
            ordered.Add(known);
    }
    return ordered;
}

ListFile OpenListFile(const wxString& folder, const wxString& fileName, const wxString& group,
                      const ListEntries& defaults)
{
    wxLogNull noLog; // an unreadable or uncreatable file is shown as what memory holds
    if (!wxDirExists(folder))
        wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL);

    // A list file edited by hand is read as tolerantly as the settings file: with or without a
    // byte-order mark, UTF-16, or one byte per character; lines the toolkit cannot parse (such as
    // "=value", or the group's header a second time) are kept as they stand.
    const wxString path = folder + "/" + fileName;
    std::string bytes;
    const int readError = ReadWholeFile(path, &bytes);
    const bool existed = readError != ENOENT;
    const wxString text = readError == 0 ? DecodeSettingsText(bytes) : wxString();

    ListFile list;
    list.m_config.reset(ConfigFromText(text).release()); // never written when it goes away
    list.m_config->SetPath("/" + group);
    if (!existed)
    {
        // The file is written only now, when it is missing; an existing one is never repaired.
        for (const auto& entry : defaults)
            list.m_config->Write(entry.first, entry.second);
        WriteFileAtomically(path, SettingsFileBytes(*list.m_config)); // readable by its owner
    }

    wxArrayString enumerated;
    wxString name;
    long cookie = 0;
    for (bool more = list.m_config->GetFirstEntry(name, cookie); more;
         more = list.m_config->GetNextEntry(name, cookie))
    {
        if (!name.empty()) // a hand-written "=value" names nothing to offer
            enumerated.Add(name);
    }

    std::vector<wxString> fileOrder;
    if (existed)
        fileOrder = EntryNamesInFileOrder(text, group);
    else
        for (const auto& entry : defaults)
            fileOrder.push_back(entry.first);
    list.m_names = OrderByFile(enumerated, fileOrder);
    return list;
}
