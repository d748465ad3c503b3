#pragma once

// The toolkit's message framing, as the server speaks it: a header of eight bytes (the signature
// ad de ed fe, then the payload's length, 32 bits little-endian), the payload, and a trailer of
// eight bytes (the signature ed fe ad de, then four bytes nobody reads).

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

constexpr std::size_t kFrameHeaderSize = 8;
constexpr std::size_t kFrameTrailerSize = 8;

// payload with its header and trailer, as the toolkit writes it.
std::string FrameMessage(const std::string& payload);

// Takes the bytes of a stream as they come, in pieces of any size, and collects the messages
// that have come whole. Of each payload it keeps the first keepBytes; the rest is read past, so a
// huge message costs no memory and the stream stays in step.
class MessageReader
{
public:
    explicit MessageReader(std::size_t keepBytes) : m_keep(keepBytes) {}

    // Takes size bytes; false once the stream has broken the framing (a wrong signature), after
    // which nothing more is taken.
    bool Feed(const char* data, std::size_t size);

    // The kept bytes of the oldest whole message not yet taken; false when there is none.
    bool TakeMessage(std::string& payload);
    bool HasMessage() const { return !m_whole.empty(); }

    // Part of a message has come, not all of it.
    bool InMessage() const { return m_part != Part::Header || m_have > 0; }
    bool Broken() const { return m_broken; }

private:
    enum class Part
    {
        Header,
        Payload,
        Trailer
    };
    // Takes bytes of the header or trailer into m_frame; true once it holds all eight.
    bool FillFrame(const char*& data, std::size_t& size);

    std::size_t m_keep;
    Part m_part = Part::Header;
    unsigned char m_frame[8] = {};
    std::size_t m_have = 0;     // bytes of the current header or trailer, or of the payload
    std::uint32_t m_length = 0; // the current payload's length
    std::string m_payload;      // its kept bytes
    std::deque<std::string> m_whole;
    bool m_broken = false;
};
