#include "profile/DataStream.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> BytesOf(const DataStream& stream) {
    return {stream.Bytes().begin(), stream.Bytes().end()};
}

TEST(DataStream, WritesLittleEndianAndLengthPrefixedUtf16) {
    DataStream stream;
    stream.WriteByte(0xAB);
    stream.WriteInt16(-2);
    stream.WriteInt32(0x01020304);
    stream.WriteString(u"");
    stream.WriteString(u"P\u00e9");
    stream.WriteNumberText(455174);
    const std::vector<std::uint8_t> expected = {
        0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01,  // byte, int16, int32
        0x00, 0x00, 0x00, 0x00,                    // empty string
        0x02, 0x00, 0x00, 0x00, 'P',  0x00, 0xE9, 0x00, 0x06, 0x00, 0x00, 0x00,
        '4',  0,    '5',  0,    '5',  0,    '1',  0,    '7',  0,    '4',  0};
    EXPECT_EQ(BytesOf(stream), expected);
}

TEST(DataStream, ReadsBackWhatWasWritten) {
    DataStream out;
    out.WriteByte(7);
    out.WriteInt16(-300);
    out.WriteInt32(-70000);
    out.WriteString(u"Macro \u2713");
    out.WriteNumberText(-42);
    DataStream in(DataStream::Mode::Read);
    in.Assign(out.Bytes());
    EXPECT_EQ(in.ReadByte(), 7);
    EXPECT_EQ(in.ReadInt16(), -300);
    EXPECT_EQ(in.ReadInt32(), -70000);
    EXPECT_EQ(in.ReadString(), u"Macro \u2713");
    EXPECT_EQ(in.ReadNumberText(), -42);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_FALSE(in.Failed());
}

TEST(DataStream, GrowsByTheLargerOfTwiceTheWriteAnd1024) {
    DataStream stream;
    EXPECT_EQ(stream.Capacity(), 1024);
    for (int i = 0; i < 256; ++i) {
        stream.WriteInt32(i);
    }
    EXPECT_EQ(stream.Capacity(), 1024);  // exactly full
    stream.WriteString(u"abc");          // 10 bytes
    EXPECT_EQ(stream.Capacity(), 2048);

    DataStream large;
    large.WriteString(std::u16string(1498, u'x'));  // room for 3000 bytes
    EXPECT_EQ(large.Capacity(), 1024 + 6000);
    EXPECT_EQ(large.Length(), 3000);
}

TEST(DataStream, ZeroOrNegativeStringCountsReadAsEmpty) {
    DataStream in(DataStream::Mode::Read);
    const std::vector<std::uint8_t> bytes = {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                                             0xFF, 0xFF, 0x09, 0x00, 0x00, 0x00};
    in.Assign(bytes);
    EXPECT_EQ(in.ReadString(), u"");
    EXPECT_EQ(in.ReadString(), u"");
    EXPECT_EQ(in.ReadInt32(), 9);  // nothing but the count was consumed
    EXPECT_FALSE(in.Failed());
}

TEST(DataStream, ReadingPastTheEndFailsAndStaysFailed) {
    DataStream in(DataStream::Mode::Read);
    const std::vector<std::uint8_t> bytes = {0x05, 0x00, 0x00, 0x00, 'a', 0x00, 0x07};
    in.Assign(bytes);
    EXPECT_EQ(in.ReadString(), u"");  // announces 5 units, holds 1.5
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(in.ReadByte(), 0);  // sticky: even a byte that is there is not read
    EXPECT_EQ(in.ReadPos(), 4);

    DataStream empty(DataStream::Mode::Read);
    EXPECT_EQ(empty.ReadInt16(), 0);
    EXPECT_TRUE(empty.Failed());
}

TEST(DataStream, NumberTextConvertsLikeWideStringToLong) {
    struct Case {
        std::u16string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {u"455174", 455174},
        {u"-17", -17},
        {u"  +42", 42},
        {u"\t\n12", 12},
        {u"12abc", 12},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u"2147483647", 2147483647},
        {u"2147483648", 2147483647},
        {u"99999999999999999999", 2147483647},
        {u"-2147483648", -2147483647 - 1},
        {u"-99999999999", -2147483647 - 1},
        {u"1 2", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNumberText(c.text), c.value) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(DataStream, FilesRoundTripAndMissingFilesFail) {
    TempDir dir;
    DataStream out;
    out.WriteString(u"file");
    ASSERT_FALSE(out.SaveFile(dir / "a/b/c.bin"));
    DataStream in(DataStream::Mode::Read);
    ASSERT_TRUE(in.LoadFile(dir / "a/b/c.bin"));
    EXPECT_EQ(in.Capacity(), 12);
    EXPECT_EQ(in.Length(), 12);
    EXPECT_EQ(in.ReadString(), u"file");
    EXPECT_FALSE(in.LoadFile(dir / "missing.bin"));
}

}  // namespace
