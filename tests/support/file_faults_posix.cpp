#include "tests/support/file_faults.h"

#include <cerrno>
#include <cstring>

const std::vector<InjectedError>& ErrorsOfFileCalls()
{
    static const std::vector<InjectedError> errors = {
        {ENOSPC, "ENOSPC"}, {EIO, "EIO"},     {EACCES, "EACCES"},
        {EROFS, "EROFS"},   {EINTR, "EINTR"}, {EFBIG, "EFBIG"},
    };
    return errors;
}

unsigned long AccessDeniedError()
{
    return EACCES;
}

unsigned long DiskFullError()
{
    return ENOSPC;
}

wxString SystemWords(unsigned long code)
{
    return wxString(std::strerror(static_cast<int>(code)), wxConvLibc);
}

bool DocumentsMayBeProtected()
{
    return false;
}
