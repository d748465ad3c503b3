#include "hangar/core/file_error.h"
#include "hangar/platform/platform.h"
#include "hangar/platform/windows/win32_error.h"

#include <cerrno>
#include <cstring>
#include <wx/filename.h>

namespace
{
struct ErrorPair
{
    DWORD m_win32;
    int m_errno;
};

// The first pair of an errno value gives the Win32 error it stands for.
const ErrorPair kErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_BAD_PATHNAME, ENOENT},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_INVALID_NAME, EINVAL},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_FILE_TOO_LARGE, EFBIG},
    {ERROR_OPERATION_ABORTED, EINTR},
    {ERROR_INVALID_FUNCTION, EINVAL},
    {ERROR_IO_DEVICE, EIO},
};
} // namespace

int ErrnoOf(DWORD error)
{
    for (const ErrorPair& pair : kErrors)
    {
        if (pair.m_win32 == error)
            return pair.m_errno;
    }
    return EIO;
}

DWORD Win32ErrorOf(int error)
{
    for (const ErrorPair& pair : kErrors)
    {
        if (pair.m_errno == error)
            return pair.m_win32;
    }
    return ERROR_SUCCESS; // none
}

wxString SystemText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    wxString text = length != 0 ? wxString(buffer, length) : wxString::Format("Error %lu", error);
    if (buffer)
        LocalFree(buffer);
    text.Trim();
    if (text.EndsWith("."))
        text.RemoveLast();
    return text;
}

wxString SystemErrorText(int error)
{
    if (error == EISDIR) // what opening a folder as a file is, though Windows calls it denied
        return "Is a folder";
    const DWORD win32 = Win32ErrorOf(error);
    return win32 != ERROR_SUCCESS ? SystemText(win32) : wxString(std::strerror(error), wxConvLibc);
}

// Windows Security's Controlled folder access keeps programs it does not know from writing into
// the documents folder (and other protected folders) and denies them access.
wxString AccessDeniedAdvice(const wxString& path)
{
    const wxString documents = PlatformDocumentsFolder();
    if (documents.empty())
        return wxString();
    wxFileName file(path);
    file.MakeAbsolute();
    const wxString full = file.GetFullPath().Lower();
    const wxString folder =
        wxFileName::DirName(documents).GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR).Lower();
    if (!full.StartsWith(folder) && full + "\\" != folder)
        return wxString();
    return "Windows may be protecting the documents folder from programs it does not know "
           "(Controlled folder access). To allow the launcher, open Windows Security, Virus & "
           "threat protection, Ransomware protection, and choose \"Allow an app through "
           "Controlled folder access\".";
}
