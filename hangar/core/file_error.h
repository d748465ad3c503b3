#pragma once

#include <wx/string.h>

// What a failure met while reading or writing the launcher's files (the settings file, the list
// files and their folders) means, decided here for every system. Errors are those of the file
// layer (safe_file.h): errno values, Win32 errors already turned into them, or the launcher's own
// codes.
enum class FileErrorClass
{
    None,
    // The file, or a folder of its path, does not exist or cannot exist (a plain file stands where
    // a folder belongs, or a folder of the path cannot be searched): nothing can be read there, so
    // a settings file there is a new one.
    Missing,
    // Another program holds the file for a moment (a sharing or lock violation on Windows): the
    // only class worth waiting for.
    Held,
    Denied,   // the system does not let this user read or write it
    ReadOnly, // the file is marked read-only, or its file system is
    NoSpace,  // the disk, or the user's share of it, is full
    NameTooLong,
    Other,
};

FileErrorClass ClassifyFileError(int error);

// Why a file could not be read or written: `reason` (the system's words the file layer gave) when
// it is not empty, otherwise the system's words for the error, or the launcher's words for its own
// codes and for the kinds of file it does not read.
wxString ReadFailureReason(int error, const wxString& reason = wxString());

// What the user can do about a failure with the file or folder at path: one sentence to follow the
// message, or empty text.
wxString FileErrorAdvice(int error, const wxString& path);

// The message shown when the settings cannot be saved to path: the file, the reason, the advice.
wxString SaveErrorText(const wxString& path, int error, const wxString& reason = wxString());
// The message shown when a save would replace a file whose content could not be read.
wxString UnreadFileText(const wxString& path, int error, const wxString& reason = wxString());
// The message shown when the file at path cannot be used as a settings file.
wxString ReadErrorText(const wxString& path, int error, const wxString& reason = wxString());
// The question asked before a save replaces a file that could not be read to see whether it has
// changed since it was opened (fileName is its bare name).
wxString UncheckedFileQuestion(const wxString& fileName, int error, const wxString& reason);

// Each system has these in its platform layer (hangar/platform/<system>/file_error_*.cpp).
// The system's own words for an errno value of the file layer, without a closing full stop: on
// Windows the system's message for the Win32 error it stands for, not the C runtime's text.
wxString SystemErrorText(int error);
// Where the system itself may keep the launcher from writing into the folder of path when access
// is denied, the sentence that says so and where to allow the program; otherwise empty text.
wxString AccessDeniedAdvice(const wxString& path);
