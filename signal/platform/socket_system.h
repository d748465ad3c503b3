#pragma once

// What the console asks of the system's sockets and event loop beyond the toolkit.

#include <string>

class wxSocketBase;

// Appends to `into` the bytes the system still holds for socket, without waiting; stops at the
// end of what is there. Once the toolkit has taken a connection for closed its own reads return
// nothing, though the server's last messages may still be waiting unread.
void ReadWhatIsLeft(wxSocketBase& socket, std::string& into);

// The dotted IPv4 address of host (UTF-8), empty when there is none. Plain bytes in and out, no
// toolkit object: it runs on a thread of its own that may outlive the program's windows.
std::string LookUpHostAddress(const std::string& host);

// Whether the answer of the toolkit's Dispatch (false) is the system's request to end the program
// (a quit message posted from anywhere), rather than a detail of the toolkit's loop.
bool DispatchAnswerEndsProgram(bool dispatchAnswer);
