#include <gtest/gtest.h>

#include "framework/bytes.h"

namespace kavrin {
namespace {

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
    EXPECT_EQ(chain.joined(),
              (std::vector<uint8_t>{3, 0, 0, 0, 0xAA, 0xBB, 0xCC, 2, 0, 1, 2, 3, 4, 0xEE}));
    std::vector<std::span<const uint8_t>> pieces = chain.pieces();
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[1].data(), page);
    EXPECT_TRUE(ByteChain().pieces().empty());
}

}  // namespace
}  // namespace kavrin
