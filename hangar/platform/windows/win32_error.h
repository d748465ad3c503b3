#pragma once

#include <windows.h>

#include <wx/string.h>

// Win32 errors of the file layer and the errno values that stand for them (file_error.h
// classifies these), both ways: an unknown Win32 error is EIO, an errno value without a Win32
// error gives ERROR_SUCCESS.
int ErrnoOf(DWORD error);
DWORD Win32ErrorOf(int error);

// The system's own words for a Win32 error (FormatMessageW), without the line end and the full
// stop that its messages end with: the launcher's messages put their own.
wxString SystemText(DWORD error);
