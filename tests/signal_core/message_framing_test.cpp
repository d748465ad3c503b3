#include "signal/core/message_framing.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace
{
const std::vector<std::string> kPayloads = {"", "abc", std::string(3000, 'x')};

std::string Stream()
{
    std::string stream;
    for (const std::string& payload : kPayloads)
        stream += FrameMessage(payload);
    return stream;
}
} // namespace

TEST(MessageFraming, MessagesComeWholeFromPiecesOfAnySize)
{
    const std::string stream = Stream();
    const std::size_t pieces[] = {1, 7, 8, 9, 1000, stream.size()};
    std::printf("piece sizes: %zu cells\n", std::size(pieces));
    for (const std::size_t piece : pieces)
    {
        MessageReader reader(1024);
        std::size_t boundary = 0, frame = 0;
        for (std::size_t at = 0; at < stream.size(); at += piece)
        {
            ASSERT_TRUE(reader.Feed(stream.data() + at, std::min(piece, stream.size() - at)));
            const std::size_t fed = std::min(at + piece, stream.size());
            while (frame < kPayloads.size() &&
                   boundary + FrameMessage(kPayloads[frame]).size() <= fed)
                boundary += FrameMessage(kPayloads[frame++]).size();
            EXPECT_EQ(fed != boundary, reader.InMessage()) << "piece " << piece << " at " << fed;
        }
        for (const std::string& payload : kPayloads)
        {
            std::string taken;
            ASSERT_TRUE(reader.TakeMessage(taken)) << piece;
            EXPECT_EQ(payload.substr(0, 1024), taken) << piece; // the rest is read past
        }
        EXPECT_FALSE(reader.HasMessage());
    }
}

TEST(MessageFraming, AWrongSignatureBreaksTheStreamAfterTheWholeMessagesBeforeIt)
{
    const std::string whole = FrameMessage("ok");
    const std::string next = FrameMessage("next");
    const std::size_t trailer = next.size() - kFrameTrailerSize;
    // Every byte of both signatures spoilt in turn; the trailer's last four bytes are not read.
    for (const std::size_t spoilt : {0, 1, 2, 3, 10, 11, 12, 13})
    {
        std::string bad = next;
        const std::size_t at = spoilt < 4 ? spoilt : trailer + spoilt - 10;
        bad[at] = static_cast<char>(bad[at] ^ 0x55);
        MessageReader reader(1024);
        EXPECT_FALSE(reader.Feed((whole + bad + whole).data(), whole.size() * 2 + bad.size()));
        EXPECT_TRUE(reader.Broken());
        std::string taken;
        ASSERT_TRUE(reader.TakeMessage(taken));
        EXPECT_EQ("ok", taken);
        EXPECT_FALSE(reader.TakeMessage(taken)) << "spoilt byte " << at;
    }
    std::string unread = next;
    unread[next.size() - 1] = 'z';
    MessageReader reader(1024);
    EXPECT_TRUE(reader.Feed(unread.data(), unread.size()));
    EXPECT_TRUE(reader.HasMessage());
}
