#pragma once

#include <memory>
#include <utility>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

class wxFileConfig;

using ListEntries = std::vector<std::pair<wxString, wxString>>;

// A list file of the launcher ("TROVGameTypes.ini", "TROVMaps.ini"): one group whose entry names
// are the items offered on a page, in the order of the lines in the file.
struct ListFile
{
    std::unique_ptr<wxFileConfig> m_config; // kept open for the page's life
    wxArrayString m_names;                  // entry names of the group, in file order
    // Empty, or the sentence that names the file or folder that could not be used and why.
    wxString m_problem;
};

// Opens the list file `fileName` in `folder`, creating the folder with its parents when missing.
// When the file does not exist, writes `defaults` in order into `group` and creates the file with
// them (readable by its owner only); an existing file is read with the settings file's decoding and
// never rewritten, and nothing is written when the configuration is destroyed.
// When the folder cannot be created or searched, or the file is there but cannot be read (a link
// to a missing file among them), the list holds `defaults` in memory only, nothing is written, and
// m_problem says what went wrong. A file that is missing from a usable folder but cannot be
// written is no problem (its defaults are offered, and the next start tries again), unless the
// system denies it: m_problem then says so.
ListFile OpenListFile(const wxString& folder, const wxString& fileName, const wxString& group,
                      const ListEntries& defaults);

// The entry names of `group` (e.g. "TROVGame.Maps") in the order their lines stand in the ini
// text. Group names match case-insensitively, as the toolkit's file configuration matches them;
// a name that stands twice is listed once, where it first appears.
std::vector<wxString> EntryNamesInFileOrder(const wxString& iniText, const wxString& group);

// Orders `names` (as the toolkit enumerates them: sorted) by their place in `fileOrder`; names the
// file order does not hold keep their sorted order after the others.
wxArrayString OrderByFile(const wxArrayString& names, const std::vector<wxString>& fileOrder);
