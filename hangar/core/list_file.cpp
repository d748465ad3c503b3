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

// Makes `folder` with its missing parents (0777 before the umask). 0 when it is a folder then;
// otherwise the errno of the step that failed, with the path it failed on in `*failedAt`.
int MakeFolder(const wxString& folder, wxString* failedAt)
{
    const wxFileName target = wxFileName::DirName(folder);
    wxFileName part(target);
    while (part.GetDirCount() > 0)
        part.RemoveLastDir();
    for (const wxString& dir : target.GetDirs())
    {
        part.AppendDir(dir);
        *failedAt = part.GetPath();
        if (wxDirExists(*failedAt))
            continue;
        if (wxFileName::Exists(*failedAt))
            return ENOTDIR; // a file (or anything else) where a folder belongs
        errno = 0;
        const int made = wxMkDir(*failedAt, 0777);
        const int error = errno != 0 ? errno : EACCES;
        if (made != 0 && !wxDirExists(*failedAt)) // made meanwhile by someone else: fine
            return error;
    }
    return 0;
}

wxString FolderProblem(const wxString& folder, const wxString& why)
{
    return wxString::Format("The folder \"%s\" could not be used: %s. The built-in lists of game "
                            "types and maps are offered, and nothing is written there.",
                            wxFileName::DirName(folder).GetPath(), why);
}

wxString FileProblem(const wxString& path, int error)
{
    return wxString::Format("The list file \"%s\" could not be read: %s. Its built-in entries are "
                            "offered, and the file is left as it is.",
                            wxFileName(path).GetFullPath(), ReadFailureReason(error));
}

// Why the list file at path (in `folder`) cannot be used, or empty text when it can: it is read
// into `bytes` when it exists, and *missing tells whether it is to be created.
wxString ReadListFile(const wxString& folder, const wxString& path, std::string* bytes,
                      bool* missing)
{
    *missing = false;
    wxString failedAt;
    if (const int error = MakeFolder(folder, &failedAt))
    {
        return FolderProblem(folder, error == ENOTDIR
                                         ? "\"" + failedAt + "\" is not a folder"
                                         : "\"" + failedAt + "\" could not be created (" +
                                               ReadFailureReason(error) + ")");
    }
    const int error = ReadWholeFile(path, bytes);
    if (error == EACCES && !wxFileName::Exists(path))
        return FolderProblem(folder,
                             "its files cannot be reached (" + ReadFailureReason(error) + ")");
    if (error == ENOENT && IsDanglingLink(path))
        return FileProblem(path, kDanglingLink); // there, but nothing of it can be read
    *missing = error == ENOENT;
    return error == 0 || *missing ? wxString() : FileProblem(path, error);
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
    wxLogNull noLog; // what could not be used is said once, by the caller

    // A list file edited by hand is read as tolerantly as the settings file: with or without a
    // byte-order mark, UTF-16, or one byte per character; lines the toolkit cannot parse (such as
    // "=value", or the group's header a second time) are kept as they stand.
    const wxString path = folder + "/" + fileName;
    ListFile list;
    std::string bytes;
    bool missing = false;
    list.m_problem = ReadListFile(folder, path, &bytes, &missing);
    const bool fromFile = list.m_problem.empty() && !missing;
    const wxString text = fromFile ? DecodeSettingsText(bytes) : wxString();

    list.m_config.reset(ConfigFromText(text).release()); // never written when it goes away
    list.m_config->SetPath("/" + group);
    if (!fromFile)
    {
        for (const auto& entry : defaults)
            list.m_config->Write(entry.first, entry.second);
        // The file is written only now, when it is missing; an existing one is never repaired,
        // and one that cannot be read is left alone.
        if (missing)
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
    if (fromFile)
        fileOrder = EntryNamesInFileOrder(text, group);
    else
        for (const auto& entry : defaults)
            fileOrder.push_back(entry.first);
    list.m_names = OrderByFile(enumerated, fileOrder);
    return list;
}
