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
// otherwise the error of the step that failed, with the path it failed on in `*failedAt` and the
// system's words for it in `*reason`.
int MakeFolder(const wxString& folder, wxString* failedAt, wxString* reason)
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
        if (const int error = MakeOneFolder(*failedAt, reason))
            return error;
    }
    return 0;
}

// A sentence that follows a problem: what the user can do about error, if anything.
wxString Advice(int error, const wxString& path)
{
    const wxString advice = FileErrorAdvice(error, path);
    return advice.empty() ? advice : " " + advice;
}

wxString FolderProblem(const wxString& folder, const wxString& why, int error)
{
    const wxString path = wxFileName::DirName(folder).GetPath();
    return wxString::Format("The folder \"%s\" could not be used: %s. The built-in lists of game "
                            "types and maps are offered, and nothing is written there.",
                            path, why) +
           Advice(error, path);
}

wxString FileProblem(const wxString& path, int error, const wxString& reason)
{
    const wxString fullPath = wxFileName(path).GetFullPath();
    return wxString::Format("The list file \"%s\" could not be read: %s. Its built-in entries are "
                            "offered, and the file is left as it is.",
                            fullPath, ReadFailureReason(error, reason)) +
           Advice(error, fullPath);
}

wxString CreationProblem(const wxString& path, int error, const wxString& reason)
{
    const wxString fullPath = wxFileName(path).GetFullPath();
    return wxString::Format("The list file \"%s\" could not be created: %s. Its built-in entries "
                            "are offered.",
                            fullPath, ReadFailureReason(error, reason)) +
           Advice(error, fullPath);
}

// Why the list file at path (in `folder`) cannot be used, or empty text when it can: it is read
// into `bytes` when it exists, and *missing tells whether it is to be created.
wxString ReadListFile(const wxString& folder, const wxString& path, std::string* bytes,
                      bool* missing)
{
    *missing = false;
    wxString failedAt;
    wxString reason;
    if (const int error = MakeFolder(folder, &failedAt, &reason))
    {
        return FolderProblem(folder,
                             error == ENOTDIR ? "\"" + failedAt + "\" is not a folder"
                                              : "\"" + failedAt + "\" could not be created (" +
                                                    ReadFailureReason(error, reason) + ")",
                             error);
    }
    const int error = ReadWholeFile(path, bytes, &reason);
    if (error == kFolderNotSearchable)
        return FolderProblem(folder, "its files cannot be reached (" + reason + ")", EACCES);
    if (error == ENOENT && IsDanglingLink(path))
        return FileProblem(path, kDanglingLink, wxString()); // there, but nothing of it can be read
    *missing = error == ENOENT;
    return error == 0 || *missing ? wxString() : FileProblem(path, error, reason);
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
        // The file is written only now, when it is missing (readable by its owner); an existing
        // one is never repaired, and one that cannot be read is left alone. One that may not be
        // made is named when the system denies it (as Windows does in a protected documents
        // folder); otherwise the next start tries again.
        wxString reason;
        const int error =
            missing ? WriteFileAtomically(path, SettingsFileBytes(*list.m_config), &reason) : 0;
        if (ClassifyFileError(error) == FileErrorClass::Denied)
            list.m_problem = CreationProblem(path, error, reason);
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
