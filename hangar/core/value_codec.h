#pragma once

#include <optional>
#include <wx/arrstr.h>
#include <wx/string.h>

// How the settings file stores the value of each kind of page control. Every value is text.

// A check box: "True" when checked, "False" when not.
wxString CheckBoxText(bool checked);
// The state a stored text gives a check box: "True" or "1" checks it, "False" or "0" clears it,
// in any case. Anything else gives no state, and the box keeps the one it has.
std::optional<bool> CheckBoxState(const wxString& stored);

// A choice: the index of the LAST item equal to the stored text (selecting every equal item in
// turn leaves the last one selected), or wxNOT_FOUND when none is equal.
int ChoiceIndex(const wxArrayString& items, const wxString& stored);

// A list box: its items joined with ",". SplitString scans the text and ends a piece at each
// separator, keeping empty pieces, except that an empty last piece is dropped: "a,,b" gives
// "a", "", "b"; "a," gives "a"; ",a" gives "", "a"; "" gives nothing. JoinStrings puts the
// separator between consecutive items (an empty list gives ""); it undoes SplitString for lists
// whose items hold no separator and whose last item is not empty.
wxArrayString SplitString(const wxString& text, const wxString& separator);
wxString JoinStrings(const wxArrayString& items, const wxString& separator);

// The separator of a list box's items in the settings file.
extern const wxString kListSeparator;
// True when an item can be stored in a list box's value and read back whole: it holds no
// separator. A map named "Dunes, North" would come back as two maps.
bool FitsInStoredList(const wxString& item);

// The integer at the start of a text, as C's atoi reads it: leading blanks and a sign allowed,
// reading stops at the first non-digit, no digits give 0. Values beyond 32 bits are clamped.
int LeadingInteger(const wxString& text);

// Rounds. The file holds n / 2 + 1 (integer division toward zero) for the field's number n, in
// plain decimal. Reading back, a stored positive whole number r goes into the field as 2r - 1, so
// a save, load, save cycle writes the same value, but never above fieldTop, the most the field
// takes; any other stored text goes in as it stands.
wxString RoundsForFile(const wxString& fieldText);
wxString RoundsForField(const wxString& stored, int fieldTop);
