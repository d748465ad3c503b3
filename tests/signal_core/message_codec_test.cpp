#include "signal/core/message_codec.h"
#include "tests/support/wx_print.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

TEST(MessageEncoding, OneBytePerCharacterWithUnderscoresAboveAscii)
{
    EXPECT_EQ("", EncodeMessageText(""));
    EXPECT_EQ("  status  ", EncodeMessageText("  status  "));
    // é (233), € (beyond Latin-1) and a character outside the basic plane: one "_" each.
    EXPECT_EQ("caf_ _ _!",
              EncodeMessageText(wxString::FromUTF8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80!")));
    const std::string all = EncodeMessageText(wxString::FromUTF8("\x7f\xc2\x80"));
    EXPECT_EQ(std::string("\x7f_"), all);
}

TEST(MessageEncoding, LengthIsTheNumberOfCharactersWithoutTerminator)
{
    const std::string payload = EncodeMessageText(wxString::FromUTF8("p\xc3\xa4ss"));
    ASSERT_EQ(4u, payload.size());
    EXPECT_EQ(std::string::npos, payload.find('\0'));
}

TEST(ReceiveDecoding, StopsAtTheFirstZeroByte)
{
    char buffer[kReceiveBufferSize] = {};
    std::memcpy(buffer, "abc\0def", 7);
    EXPECT_EQ("abc", DecodeReceiveBuffer(buffer, sizeof buffer));
    EXPECT_EQ("", DecodeReceiveBuffer(buffer + 3, sizeof buffer - 3));
}

TEST(ReceiveDecoding, FullBufferWithoutZeroIsReadToItsEndOnly)
{
    // A heap block of exactly the buffer's size: the sanitizer build reports any read past it.
    std::unique_ptr<char[]> buffer(new char[kReceiveBufferSize]);
    std::memset(buffer.get(), 'x', kReceiveBufferSize);
    const wxString text = DecodeReceiveBuffer(buffer.get(), kReceiveBufferSize);
    EXPECT_EQ(kReceiveBufferSize, text.length());
    EXPECT_EQ(wxString(kReceiveBufferSize, 'x'), text);
}

TEST(ReceiveDecoding, BytesAboveAsciiBecomeTheCharacterOfTheSameCode)
{
    std::vector<char> buffer(kReceiveBufferSize, 0);
    for (int code = 1; code < 256; ++code)
        buffer[code - 1] = static_cast<char>(code);
    const wxString text = DecodeReceiveBuffer(buffer.data(), buffer.size());
    ASSERT_EQ(255u, text.length());
    for (int code = 1; code < 256; ++code)
        EXPECT_EQ(static_cast<wxUint32>(code), text[code - 1].GetValue()) << code;
}
