#include "hangar/core/file_error.h"

#include <cstring>

wxString SystemErrorText(int error)
{
    return wxString(std::strerror(error), wxConvLibc);
}

// Nothing of the system itself keeps the launcher out of a folder its user may write.
wxString AccessDeniedAdvice(const wxString& /*path*/)
{
    return wxString();
}
