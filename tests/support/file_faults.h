#pragma once

#include "hangar/core/file_calls.h"

#include <functional>
#include <vector>
#include <wx/string.h>

// An error a system call of the file layer can really return on this system.
struct InjectedError
{
    unsigned long m_code; // errno on POSIX, a Win32 error on Windows
    const char* m_name;
};

// The errors of the save table: what open, write, flush, rename and the others return.
const std::vector<InjectedError>& ErrorsOfFileCalls();
// The system's errors for "access denied" and for "no space left", in its own codes.
unsigned long AccessDeniedError();
unsigned long DiskFullError();
// The system's words for one of its errors, as the launcher's messages quote them.
wxString SystemWords(unsigned long code);
// True where the system itself may deny the launcher its documents folder (Windows).
bool DocumentsMayBeProtected();

// Makes the file layer's calls on this thread fail as `decide` says (0: the call is made) while
// it lives; counts and records them.
class FileFault : public FileCallFault
{
public:
    explicit FileFault(std::function<unsigned long(size_t index, FileCall call)> decide = nullptr)
        : m_decide(std::move(decide)), m_previous(SetFileCallFault(this))
    {
    }
    ~FileFault() override { SetFileCallFault(m_previous); }
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;

    unsigned long Before(FileCall call) override
    {
        m_calls.push_back(call);
        return m_decide ? m_decide(m_calls.size() - 1, call) : 0;
    }
    const std::vector<FileCall>& Calls() const { return m_calls; }

    // Fails the call at `index` (from 0) with `error`; every other call is made.
    static std::function<unsigned long(size_t, FileCall)> AtIndex(size_t index, unsigned long error)
    {
        return [=](size_t i, FileCall) { return i == index ? error : 0; };
    }
    // Fails every call of one kind with `error`.
    static std::function<unsigned long(size_t, FileCall)> Every(FileCall kind, unsigned long error)
    {
        return [=](size_t, FileCall call) { return call == kind ? error : 0; };
    }

private:
    std::function<unsigned long(size_t, FileCall)> m_decide;
    FileCallFault* m_previous;
    std::vector<FileCall> m_calls;
};
