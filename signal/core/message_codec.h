#pragma once

// The payloads the console exchanges with the server. Every message travels in the toolkit's
// message framing; its payload is 8-bit text.

#include <cstddef>
#include <string>
#include <wx/string.h>

// Every message from the server is read into a zero-filled buffer of this many bytes; a longer
// message is cut to its first kReceiveBufferSize bytes.
constexpr std::size_t kReceiveBufferSize = 1024;

// The payload of the login message and of a command: one byte per character, characters 0 to 127
// as themselves and every other character as "_". No terminating zero byte: the payload is as long
// as the text has characters.
std::string EncodeMessageText(const wxString& text);

// The text of a received message: the bytes of buffer up to the first zero byte, and never more
// than size bytes when there is none; each byte becomes the character with the same code (0-255).
wxString DecodeReceiveBuffer(const char* buffer, std::size_t size);
