#pragma once

// A stand-in for a program the launcher starts: a shell script that writes what it was given
// (process id, session id, working directory, arguments) into a record file, then exits or
// stays running.

#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <string>
#include <sys/stat.h>
#include <vector>
#include <wx/filefn.h>
#include <wx/stopwatch.h>
#include <wx/tokenzr.h>
#include <wx/utils.h>

struct ProgramRecord
{
    long pid = 0;
    long sid = 0;
    wxString folder;
    std::vector<wxString> args;
};

inline std::string ShellQuoted(const wxString& text)
{
    std::string quoted = "'";
    for (char c : std::string(text.utf8_str()))
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Writes the script to `path` with file mode `mode`. It writes `recordPath` complete in one
// step (renamed into place), then exits, or with `stayRunning` goes on running for a minute.
// With a `snapshotPath`, it first copies that file, as it is when the script starts, to
// `recordPath` + ".snapshot".
inline bool WriteFakeProgram(const wxString& path, const wxString& recordPath, bool stayRunning,
                             mode_t mode = 0755, const wxString& snapshotPath = wxString())
{
    const std::string snapshot =
        snapshotPath.empty() ? std::string()
                             : "cp " + ShellQuoted(snapshotPath) + " \"$record.snapshot\"\n";
    const std::string script =
        "#!/bin/sh\n"
        "PATH=/usr/local/bin:/usr/bin:/bin\n"
        "session() { read -r s < /proc/$$/stat; s=${s##*) }; set -- $s; echo \"$4\"; }\n"
        "record=" +
        ShellQuoted(recordPath) + "\n" + snapshot +
        "{\n"
        "  echo \"pid=$$\"\n"
        "  echo \"sid=$(session)\"\n"
        "  echo \"folder=$(pwd -P)\"\n"
        "  for a in \"$@\"; do echo \"arg=$a\"; done\n"
        "} > \"$record.part\" && mv \"$record.part\" \"$record\"\n" +
        (stayRunning ? "exec sleep 60\n" : "exit 0\n");
    return WriteFileBytes(path, script) && chmod(path.utf8_str(), mode) == 0;
}

// Reads a record file written by the script; false when there is none.
inline bool ReadProgramRecord(const wxString& recordPath, ProgramRecord* record)
{
    if (!wxFileExists(recordPath))
        return false;
    *record = ProgramRecord();
    wxStringTokenizer lines(wxString::FromUTF8(ReadFileBytes(recordPath)), "\n");
    while (lines.HasMoreTokens())
    {
        const wxString line = lines.GetNextToken();
        const wxString key = line.BeforeFirst('=');
        const wxString value = line.AfterFirst('=');
        if (key == "pid")
            value.ToLong(&record->pid);
        else if (key == "sid")
            value.ToLong(&record->sid);
        else if (key == "folder")
            record->folder = value;
        else if (key == "arg")
            record->args.push_back(value);
    }
    return true;
}

// Waits (without an event loop) until the record file appears; false after `timeoutMs`.
inline bool WaitForProgramRecord(const wxString& recordPath, ProgramRecord* record,
                                 long timeoutMs = 10000)
{
    wxStopWatch watch;
    while (!ReadProgramRecord(recordPath, record))
    {
        if (watch.Time() > timeoutMs)
            return false;
        wxMilliSleep(5);
    }
    return true;
}

// The folder with symbolic links resolved, as the script's `pwd -P` reports it.
inline wxString PhysicalPath(const wxString& path)
{
    char* resolved = realpath(path.utf8_str(), nullptr);
    if (!resolved)
        return path;
    const wxString result = wxString::FromUTF8(resolved);
    free(resolved);
    return result;
}
