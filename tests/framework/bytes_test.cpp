#include <gtest/gtest.h>

#include "framework/bytes.h"

namespace kavrin {
namespace {

TEST(ByteCursor, ReadsLittleEndianAndChecksCountsWithoutOverflowOrReadingPastTheEnd) {
    const uint8_t data[] = {0x54, 0x52, 0x34, 0x00, 0xFF, 0xFF, 0x01};
    ByteCursor in(data);
    EXPECT_EQ(in.u32(), 0x00345254u);
    EXPECT_EQ(in.i16(), -1);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.u16(), 0);  // only one byte left
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u8(), 0);  // a failed cursor stays failed
    EXPECT_EQ(in.offset(), 6u);

    const uint8_t sixteen[16] = {};
    ByteCursor counts(sixteen);
    EXPECT_TRUE(counts.fits(2, 8));
    EXPECT_FALSE(counts.fits(3, 8));
    EXPECT_FALSE(counts.fits(UINT64_MAX / 2, 4));
    EXPECT_TRUE(counts.fits(UINT64_MAX, 0));
    EXPECT_TRUE(counts.take(UINT64_MAX).empty());
    EXPECT_FALSE(counts.ok());
    ByteCursor words(sixteen);
    EXPECT_EQ(readWords16(words, 8).size(), 8u);
    EXPECT_TRUE(readWords32(words, 1).empty());
    EXPECT_FALSE(words.ok());
}

}  // namespace
}  // namespace kavrin
