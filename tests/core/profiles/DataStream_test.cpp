#include "core/profiles/DataStream.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/profiles/TempFolder.h"

namespace orvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Written(const DataStream& stream) {
    return {stream.bytes().begin(), stream.bytes().end()};
}

TEST(DataStreamTest, WritesLittleEndianPrimitivesAndCountedStrings) {
    DataStream stream;
    stream.WriteByte(0xAB);
    stream.WriteInt16(-2);
    stream.WriteInt32(0x01020304);
    stream.WriteString(u"Hi\u20ac");
    stream.WriteNumberText(-42);
    EXPECT_EQ(Written(stream),
              (Bytes{0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 'H', 0, 'i',
                     0,    0xAC, 0x20, 0x03, 0x00, 0x00, 0x00, '-',  0,    '4',  0,    '2', 0}));
}

TEST(DataStreamTest, ReadsBackWhatItWrote) {
    DataStream out;
    out.WriteByte(200);
    out.WriteInt16(-32768);
    out.WriteInt32(-1);
    out.WriteString(u"macro \U0001F600");
    out.WriteString(u"");
    for (std::int32_t v : {1, -2, 3, 2147483647}) {
        out.WriteInt32(v);
    }

    DataStream in(out.bytes());
    EXPECT_EQ(in.ReadByte(), 200);
    EXPECT_EQ(in.ReadInt16(), -32768);
    EXPECT_EQ(in.ReadInt32(), -1);
    EXPECT_EQ(in.ReadString(), u"macro \U0001F600");
    EXPECT_EQ(in.ReadString(), u"");
    EXPECT_EQ(in.ReadFourInt32(), (std::array<std::int32_t, 4>{1, -2, 3, 2147483647}));
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(DataStreamTest, CountWithSignBitReadsEmptyAndConsumesOnlyTheCount) {
    const Bytes bytes{0xFF, 0xFF, 0xFF, 0xFF, 'x', 0, 0x07};
    DataStream stream(bytes);
    EXPECT_EQ(stream.ReadString(), u"");
    EXPECT_EQ(stream.position(), 4u);
    EXPECT_EQ(stream.ReadInt16(), 'x');
    EXPECT_FALSE(stream.failed());
}

TEST(DataStreamTest, CountBeyondTheDataFailsAndLatches) {
    // A count of 2^31 - 1 in a tiny buffer: the read must fail without trying to allocate 4 GiB.
    const Bytes bytes{0xFF, 0xFF, 0xFF, 0x7F, 'a', 0, 'b', 0, 1, 2};
    DataStream stream(bytes);
    EXPECT_EQ(stream.ReadString(), u"");
    EXPECT_TRUE(stream.failed());
    // Every later read yields zero, even though bytes are left.
    EXPECT_EQ(stream.ReadInt16(), 0);
    EXPECT_EQ(stream.ReadByte(), 0);
    EXPECT_TRUE(stream.failed());
}

TEST(DataStreamTest, ShortReadsFailInsteadOfReadingPastTheEnd) {
    const Bytes bytes{0x01, 0x02, 0x03};
    DataStream stream(bytes);
    EXPECT_EQ(stream.ReadInt32(), 0);
    EXPECT_TRUE(stream.failed());
    EXPECT_EQ(stream.position(), 0u);

    DataStream counted(bytes);
    EXPECT_FALSE(counted.CanRead(1, 4));
    EXPECT_TRUE(counted.failed());
    DataStream fits(bytes);
    EXPECT_TRUE(fits.CanRead(3, 1));
}

TEST(DataStreamTest, NumberTextParsesLikeTheOriginalFiles) {
    struct Case {
        std::u16string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {u"16776960", 16776960},
        {u"  -17", -17},
        {u"+8x9", 8},
        {u"abc", 0},
        {u"", 0},
        {u"\t42", 42},
        {u"-2147483648", -2147483647 - 1},
        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        DataStream out;
        out.WriteString(c.text);
        DataStream in(out.bytes());
        EXPECT_EQ(in.ReadNumberText(), c.value);
    }
}

TEST(DataStreamTest, SavesAndLoadsAFileCreatingItsFolders) {
    testing::TempFolder folder;
    const auto path = folder / "a" / "b" / "c" / "file.dat";
    DataStream out;
    out.WriteString(u"saved");
    ASSERT_TRUE(out.SaveToFile(path));

    DataStream in;
    ASSERT_TRUE(in.LoadFromFile(path));
    EXPECT_EQ(in.ReadString(), u"saved");
    EXPECT_FALSE(in.LoadFromFile(folder / "missing.dat"));
    EXPECT_FALSE(in.LoadFromFile(folder.path()));  // a folder is not a file
}

}  // namespace
}  // namespace orvex
