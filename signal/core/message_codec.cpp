#include "signal/core/message_codec.h"

#include <cstring>

std::string EncodeMessageText(const wxString& text)
{
    std::string payload;
    payload.reserve(text.length());
    bool highSurrogate = false;
    for (wxUniChar c : text)
    {
        const wxUint32 code = c.GetValue();
        // Where the toolkit's strings are UTF-16 (Windows), a character outside the basic plane
        // is two units, a high and a low surrogate: it is still one character, one "_".
        const bool lowSurrogate = code >= 0xDC00 && code <= 0xDFFF;
        if (!(highSurrogate && lowSurrogate))
            payload.push_back(code < 128 ? static_cast<char>(code) : '_');
        highSurrogate = code >= 0xD800 && code <= 0xDBFF;
    }
    return payload;
}

wxString DecodeReceiveBuffer(const char* buffer, std::size_t size)
{
    // A message that fills the whole buffer has no zero byte to end it: stop at the buffer's end.
    const void* zero = std::memchr(buffer, 0, size);
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : size;
    wxString text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        text.append(1, wxUniChar(static_cast<wxUint32>(static_cast<unsigned char>(buffer[i]))));
    return text;
}
