#include "hangar/core/file_calls.h"

namespace
{
thread_local FileCallFault* t_fault = nullptr;
} // namespace

const char* FileCallName(FileCall call)
{
    switch (call)
    {
    case FileCall::Inspect:
        return "inspect";
    case FileCall::List:
        return "list";
    case FileCall::Remove:
        return "remove";
    case FileCall::Open:
        return "open";
    case FileCall::Read:
        return "read";
    case FileCall::Write:
        return "write";
    case FileCall::Flush:
        return "flush";
    case FileCall::SetPermissions:
        return "set permissions";
    case FileCall::Close:
        return "close";
    case FileCall::Rename:
        return "rename";
    case FileCall::SyncFolder:
        return "sync folder";
    case FileCall::MakeFolder:
        return "make folder";
    }
    return "?";
}

FileCallFault* SetFileCallFault(FileCallFault* fault)
{
    FileCallFault* previous = t_fault;
    t_fault = fault;
    return previous;
}

unsigned long InjectedFailure(FileCall call)
{
    return t_fault ? t_fault->Before(call) : 0;
}
