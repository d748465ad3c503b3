#pragma once

#include <vector>
#include <wx/string.h>

// Settings text in which every key of one group stands once.
struct SingleCopies
{
    wxString m_text;              // the text without the later copies of any key
    std::vector<wxString> m_keys; // the keys that stood more than once, as first written, in order
};

// Removes from ini text every later copy of a key of `group`, line and all, so that the first copy
// is the one read, shown and written. Keys and group names compare without case, as the server's
// profile reader (and the toolkit's configuration) compare them; copies of the group count as one
// group. Lines are read as the toolkit reads them: comments, lines without "=" and lines of other
// groups are left as they stand.
SingleCopies DropLaterCopies(const wxString& text, const wxString& group);

// The message that names the keys the settings file at path holds more than once (none: empty).
wxString DuplicateKeysText(const wxString& path, const std::vector<wxString>& keys);
