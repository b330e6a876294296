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
    EXPECT_EQ(in.u8(), 0);   // a failed cursor stays failed
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.offset(), 6u);

    const uint8_t sixteen[16] = {};
    ByteCursor counts(sixteen);
    EXPECT_TRUE(counts.fits(2, 8) && counts.fits(UINT64_MAX, 0));
    EXPECT_FALSE(counts.fits(3, 8) || counts.fits(UINT64_MAX / 2, 4));
    EXPECT_TRUE(counts.take(UINT64_MAX).empty());
    EXPECT_FALSE(counts.ok());
    ByteCursor words(sixteen);
    EXPECT_EQ(readWords16(words, 8).size(), 8u);
    EXPECT_TRUE(readWords32(words, 1).empty());
    EXPECT_FALSE(words.ok());
}

// Keyframes are words addressed in bytes, so a range may start or end inside a word; a chain
// gives the bytes a writer would, keeping viewed arrays where they are.
TEST(WordBytes, ByteRangesOfWordsPadAnOddLastByteAndChainsJoinWithoutCopyingViews) {
    const uint16_t words[] = {0x0201, 0x0403, 0x0605};
    std::vector<uint8_t> bytes{9};
    appendWordBytes(bytes, words, 1, 4);
    appendWordBytes(bytes, words, 5, 99);  // clamped to the words
    appendWordBytes(bytes, words, 4, 4);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{9, 2, 3, 4, 6}));
    EXPECT_EQ(wordsOfBytes(bytes), (std::vector<uint16_t>{0x0209, 0x0403, 0x0006}));
    EXPECT_TRUE(wordsOfBytes({}).empty());

    const uint8_t page[] = {0xAA, 0xBB, 0xCC};
    ByteChain chain;
    chain.encoded().u32(3);
    chain.view(page);
    chain.view({});
    chain.encoded().u16(2);
    chain.words16(std::span(words, 2));
    chain.encoded().u8(0xEE);
    EXPECT_EQ(chain.joined(), (std::vector<uint8_t>{3, 0, 0, 0, 0xAA, 0xBB, 0xCC, 2, 0, 1, 2, 3,
                                                    4, 0xEE}));
    std::vector<std::span<const uint8_t>> pieces = chain.pieces();
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[1].data(), page);
    EXPECT_TRUE(ByteChain().pieces().empty());
}

}  // namespace
}  // namespace kavrin
