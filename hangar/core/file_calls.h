#pragma once

// The system calls that the file layer (safe_file.h) makes, by what they do, and a hand in them:
// a FileCallFault installed on a thread is asked before each call the file layer makes on that
// thread, and may make the call fail with one of the system's own errors instead.
enum class FileCall
{
    Inspect,        // the kind, size, mode or owner of a file or of what a link points at
    List,           // reading a folder's names
    Remove,         // removing a file
    Open,           // opening or creating a file
    Read,           // reading from an open file
    Write,          // writing to an open file
    Flush,          // flushing an open file to disk
    SetPermissions, // giving a file the mode or owner of the one it replaces
    Close,          // closing an open file
    Rename,         // moving a file over another
    SyncFolder,     // making a rename in a folder durable
    MakeFolder,     // creating a folder
};

// A short name of the call, for messages of tests.
const char* FileCallName(FileCall call);

class FileCallFault
{
public:
    virtual ~FileCallFault() = default;
    // Returns 0 to let the call be made; otherwise the call is not made and fails with this
    // error: an errno value on POSIX, a Win32 error code on Windows.
    virtual unsigned long Before(FileCall call) = 0;
};

// Installs `fault` for the calling thread (null: none) and returns the one it replaces.
FileCallFault* SetFileCallFault(FileCallFault* fault);

// What the fault installed on this thread says of a call about to be made: 0 when it may be made.
unsigned long InjectedFailure(FileCall call);
