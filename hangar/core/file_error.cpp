#include "hangar/core/file_error.h"

#include "hangar/core/safe_file.h"

#include <cerrno>

FileErrorClass ClassifyFileError(int error)
{
    switch (error)
    {
    case 0:
        return FileErrorClass::None;
    case ENOENT:
    case ENOTDIR:
    case kFolderNotSearchable:
        return FileErrorClass::Missing;
    case EBUSY:
        return FileErrorClass::Held;
    case EACCES:
    case EPERM:
        return FileErrorClass::Denied;
    case EROFS:
    case kReadOnlyFile:
        return FileErrorClass::ReadOnly;
    case ENOSPC:
        return FileErrorClass::NoSpace;
    case ENAMETOOLONG:
        return FileErrorClass::NameTooLong;
    default:
        return FileErrorClass::Other;
    }
}

wxString ReadFailureReason(int error, const wxString& reason)
{
    switch (error)
    {
    case EINVAL:
        return "Not a regular file";
    case EFBIG:
        return wxString::Format("Larger than %zu MB, too large to be a settings file",
                                kMaxReadFileSize / (1024 * 1024));
    case kDanglingLink:
        return "A link to a missing file";
    case kReadOnlyFile:
        return "The file is read-only";
    case kFolderNotSearchable:
        return "A folder of its path cannot be searched (" + SystemErrorText(EACCES) + ")";
    default:
        break;
    }
    return reason.empty() ? SystemErrorText(error) : reason;
}

wxString FileErrorAdvice(int error, const wxString& path)
{
    switch (ClassifyFileError(error))
    {
    case FileErrorClass::Held:
        return "Another program is using the file; try again when it has let go of it.";
    case FileErrorClass::Denied:
        return AccessDeniedAdvice(path);
    case FileErrorClass::NoSpace:
        return "Make room on the disk and try again.";
    case FileErrorClass::NameTooLong:
        return "Choose a shorter name, or a folder with a shorter path, with Save As.";
    default:
        return wxString();
    }
}

namespace
{
wxString WithAdvice(const wxString& message, int error, const wxString& path)
{
    const wxString advice = FileErrorAdvice(error, path);
    return advice.empty() ? message : message + " " + advice;
}
} // namespace

wxString SaveErrorText(const wxString& path, int error, const wxString& reason)
{
    if (error == kReadOnlyFile)
        return wxString::Format("The settings were not saved: the file \"%s\" is read-only.", path);
    // A write failing with EFBIG met a limit on the size of files, not the launcher's own limit.
    const wxString why = error != EFBIG   ? ReadFailureReason(error, reason)
                         : reason.empty() ? SystemErrorText(error)
                                          : reason;
    return WithAdvice(
        wxString::Format("The settings could not be saved to the file \"%s\": %s.", path, why),
        error, path);
}

wxString UnreadFileText(const wxString& path, int error, const wxString& reason)
{
    return wxString::Format("The settings were not saved: the file \"%s\" could not be read (%s), "
                            "and saving would replace content that was never read.",
                            path, ReadFailureReason(error, reason));
}

wxString ReadErrorText(const wxString& path, int error, const wxString& reason)
{
    return WithAdvice(wxString::Format("The settings could not be read from the file \"%s\": %s.",
                                       path, ReadFailureReason(error, reason)),
                      error, path);
}

wxString UncheckedFileQuestion(const wxString& fileName, int error, const wxString& reason)
{
    return wxString::Format("The file %s could not be read to see whether it has changed on disk "
                            "since it was opened (%s). Overwrite it?",
                            fileName, ReadFailureReason(error, reason));
}
