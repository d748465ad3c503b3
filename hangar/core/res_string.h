#pragma once

#include "resources/string_table.h"

#include <wx/string.h>

// Text of an entry of the launcher's string table; every id the launcher asks for exists.
wxString LoadResString(int id);
