#include "tests/support/failing_asserts.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/log.h>

namespace
{
void FailCurrentTest(const wxString& file, int line, const wxString& func, const wxString& cond,
                     const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "toolkit assertion in " << func << ": " << cond << " " << msg;
}
} // namespace

void InstallFailingAssertHandler()
{
    wxSetAssertHandler(FailCurrentTest);
    delete wxLog::SetActiveTarget(new wxLogStderr);
}
