#include "signal/core/message_framing.h"

#include <algorithm>

namespace
{
const unsigned char kHeaderSignature[4] = {0xad, 0xde, 0xed, 0xfe};
const unsigned char kTrailerSignature[4] = {0xed, 0xfe, 0xad, 0xde};

bool HasSignature(const unsigned char* frame, const unsigned char* signature)
{
    return std::equal(signature, signature + 4, frame);
}
} // namespace

std::string FrameMessage(const std::string& payload)
{
    const std::uint32_t length = static_cast<std::uint32_t>(payload.size());
    std::string frame(reinterpret_cast<const char*>(kHeaderSignature), 4);
    for (int shift = 0; shift < 32; shift += 8)
        frame.push_back(static_cast<char>((length >> shift) & 0xff));
    frame += payload;
    frame.append(reinterpret_cast<const char*>(kTrailerSignature), 4);
    frame.append(4, '\0');
    return frame;
}

bool MessageReader::FillFrame(const char*& data, std::size_t& size)
{
    const std::size_t take = std::min(size, sizeof m_frame - m_have);
    std::copy(data, data + take, m_frame + m_have);
    m_have += take;
    data += take;
    size -= take;
    return m_have == sizeof m_frame;
}

bool MessageReader::Feed(const char* data, std::size_t size)
{
    while (size > 0 && !m_broken)
    {
        switch (m_part)
        {
        case Part::Header:
            if (!FillFrame(data, size))
                break;
            if (!HasSignature(m_frame, kHeaderSignature))
            {
                m_broken = true;
                break;
            }
            m_length = static_cast<std::uint32_t>(m_frame[4]) |
                       static_cast<std::uint32_t>(m_frame[5]) << 8 |
                       static_cast<std::uint32_t>(m_frame[6]) << 16 |
                       static_cast<std::uint32_t>(m_frame[7]) << 24;
            m_payload.clear();
            m_have = 0;
            m_part = m_length > 0 ? Part::Payload : Part::Trailer;
            break;
        case Part::Payload:
        {
            const std::size_t take = std::min<std::size_t>(size, m_length - m_have);
            if (m_payload.size() < m_keep)
                m_payload.append(data, std::min(take, m_keep - m_payload.size()));
            m_have += take;
            data += take;
            size -= take;
            if (m_have == m_length)
            {
                m_have = 0;
                m_part = Part::Trailer;
            }
            break;
        }
        case Part::Trailer:
            if (!FillFrame(data, size))
                break;
            if (!HasSignature(m_frame, kTrailerSignature))
            {
                m_broken = true;
                break;
            }
            m_whole.push_back(std::move(m_payload));
            m_payload.clear();
            m_have = 0;
            m_part = Part::Header;
            break;
        }
    }
    return !m_broken;
}

bool MessageReader::TakeMessage(std::string& payload)
{
    if (m_whole.empty())
        return false;
    payload = std::move(m_whole.front());
    m_whole.pop_front();
    return true;
}
