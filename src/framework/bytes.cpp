#include "framework/bytes.h"

#include <bit>
#include <cstring>

namespace kavrin {

bool ByteCursor::fits(uint64_t count, uint64_t recordSize) const {
    if (!ok_) return false;
    if (recordSize != 0 && count > remaining() / recordSize) return false;
    return count * recordSize <= remaining();
}

const uint8_t* ByteCursor::need(size_t count) {
    if (!ok_ || count > remaining()) {
        ok_ = false;
        return nullptr;
    }
    const uint8_t* p = bytes_.data() + offset_;
    offset_ += count;
    return p;
}

uint8_t ByteCursor::u8() {
    const uint8_t* p = need(1);
    return p ? *p : 0;
}

uint16_t ByteCursor::u16() {
    const uint8_t* p = need(2);
    return p ? loadU16(p) : 0;
}

uint32_t ByteCursor::u32() {
    const uint8_t* p = need(4);
    return p ? loadU32(p) : 0;
}

std::span<const uint8_t> ByteCursor::take(uint64_t count) {
    if (!fits(count, 1)) {
        ok_ = false;
        return {};
    }
    const uint8_t* p = need(static_cast<size_t>(count));
    return {p, static_cast<size_t>(count)};
}

bool ByteCursor::seek(uint64_t offset) {
    if (!ok_ || offset > bytes_.size()) {
        ok_ = false;
        return false;
    }
    offset_ = static_cast<size_t>(offset);
    return true;
}

// Word arrays are the bulk of the binary formats (frames, commands, mesh trees): on a
// little-endian host they are copied as they stand.
template <class Word>
static std::vector<Word> readWords(ByteCursor& cursor, uint64_t count) {
    if (!cursor.fits(count, sizeof(Word))) {
        cursor.fail();
        return {};
    }
    std::span<const uint8_t> bytes = cursor.take(count * sizeof(Word));
    std::vector<Word> words(bytes.size() / sizeof(Word));
    if constexpr (std::endian::native == std::endian::little) {
        if (!bytes.empty()) std::memcpy(words.data(), bytes.data(), bytes.size());
    } else {
        for (size_t i = 0; i < words.size(); ++i) {
            const uint8_t* p = bytes.data() + i * sizeof(Word);
            words[i] = sizeof(Word) == 2 ? static_cast<Word>(loadU16(p)) : static_cast<Word>(loadU32(p));
        }
    }
    return words;
}

std::vector<uint16_t> readWords16(ByteCursor& cursor, uint64_t count) {
    return readWords<uint16_t>(cursor, count);
}

std::vector<uint32_t> readWords32(ByteCursor& cursor, uint64_t count) {
    return readWords<uint32_t>(cursor, count);
}

void ByteWriter::u16(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(value >> shift));
}

// Whole sections of words are grown once and filled, not pushed byte by byte: a WAD's keyframes
// and commands run to millions of bytes.
void ByteWriter::words16(std::span<const uint16_t> words) {
    size_t at = bytes_.size();
    bytes_.resize(at + words.size() * 2);
    for (uint16_t word : words) {
        bytes_[at++] = static_cast<uint8_t>(word);
        bytes_[at++] = static_cast<uint8_t>(word >> 8);
    }
}

void ByteWriter::words32(std::span<const uint32_t> words) {
    size_t at = bytes_.size();
    bytes_.resize(at + words.size() * 4);
    for (uint32_t word : words) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_[at++] = static_cast<uint8_t>(word >> shift);
        }
    }
}

}  // namespace kavrin
