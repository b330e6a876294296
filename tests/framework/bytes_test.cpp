#include <gtest/gtest.h>

#include "framework/bytes.h"

namespace kavrin {
namespace {

TEST(ByteCursor, ReadsLittleEndianAndFailsWithoutReadingPastTheEnd) {
    const uint8_t data[] = {0x54, 0x52, 0x34, 0x00, 0xFF, 0xFF, 0x01};
    ByteCursor in(data);
    EXPECT_EQ(in.u32(), 0x00345254u);
    EXPECT_EQ(in.i16(), -1);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.u16(), 0);  // only one byte left
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u8(), 0);  // a failed cursor stays failed
    EXPECT_EQ(in.offset(), 6u);
}

TEST(ByteCursor, CountsAreCheckedWithoutOverflow) {
    const uint8_t data[16] = {};
    ByteCursor in(data);
    EXPECT_TRUE(in.fits(2, 8));
    EXPECT_FALSE(in.fits(3, 8));
    EXPECT_FALSE(in.fits(UINT64_MAX / 2, 4));
    EXPECT_TRUE(in.fits(UINT64_MAX, 0));
    EXPECT_TRUE(in.take(UINT64_MAX).empty());
    EXPECT_FALSE(in.ok());
    ByteCursor words(data);
    EXPECT_EQ(readWords16(words, 8).size(), 8u);
    EXPECT_TRUE(readWords32(words, 1).empty());
    EXPECT_FALSE(words.ok());
}

TEST(ByteWriter, WritesWhatTheCursorReads) {
    ByteWriter out;
    out.u8(7);
    out.i16(-2);
    out.u32(0xDEADBEEF);
    const uint16_t words[] = {1, 0x8000};
    out.words16(words);
    ByteCursor in(out.bytes());
    EXPECT_EQ(in.u8(), 7);
    EXPECT_EQ(in.i16(), -2);
    EXPECT_EQ(in.u32(), 0xDEADBEEFu);
    EXPECT_EQ(readWords16(in, 2), (std::vector<uint16_t>{1, 0x8000}));
    EXPECT_TRUE(in.atEnd());
}

}  // namespace
}  // namespace kavrin
