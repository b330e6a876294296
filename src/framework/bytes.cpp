#include "framework/bytes.h"

#include <algorithm>
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
            words[i] =
                sizeof(Word) == 2 ? static_cast<Word>(loadU16(p)) : static_cast<Word>(loadU32(p));
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
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<uint8_t>(value >> shift));
}

// The bytes of a word array as a little-endian file holds them: the words themselves on a
// little-endian host.
template <class Word>
static std::span<const uint8_t> nativeBytes(std::span<const Word> words) {
    return {reinterpret_cast<const uint8_t*>(words.data()), words.size_bytes()};
}

// Whole sections of words are grown once and filled, not pushed byte by byte: a WAD's keyframes
// and commands run to millions of bytes.
template <class Word>
static void appendWords(std::vector<uint8_t>& bytes, std::span<const Word> words) {
    if constexpr (std::endian::native == std::endian::little) {
        std::span<const uint8_t> native = nativeBytes(words);
        bytes.insert(bytes.end(), native.begin(), native.end());
    } else {
        size_t at = bytes.size();
        bytes.resize(at + words.size_bytes());
        for (Word word : words) {
            for (size_t shift = 0; shift < 8 * sizeof(Word); shift += 8) {
                bytes[at++] = static_cast<uint8_t>(word >> shift);
            }
        }
    }
}

void ByteWriter::words16(std::span<const uint16_t> words) { appendWords(bytes_, words); }

void ByteWriter::words32(std::span<const uint32_t> words) { appendWords(bytes_, words); }

void appendWordBytes(std::vector<uint8_t>& out, std::span<const uint16_t> words, size_t first,
                     size_t end) {
    end = std::min(end, words.size_bytes());
    if (first >= end) return;
    if constexpr (std::endian::native == std::endian::little) {
        std::span<const uint8_t> bytes = nativeBytes(words).subspan(first, end - first);
        out.insert(out.end(), bytes.begin(), bytes.end());
    } else {
        size_t at = out.size();
        out.resize(at + (end - first));
        for (size_t b = first; b < end; ++b) {
            out[at++] = static_cast<uint8_t>(words[b / 2] >> (8 * (b % 2)));
        }
    }
}

std::vector<uint16_t> wordsOfBytes(std::span<const uint8_t> bytes) {
    std::vector<uint16_t> words((bytes.size() + 1) / 2);
    if constexpr (std::endian::native == std::endian::little) {
        if (!bytes.empty()) std::memcpy(words.data(), bytes.data(), bytes.size());
    } else {
        for (size_t b = 0; b < bytes.size(); ++b) {
            words[b / 2] = static_cast<uint16_t>(words[b / 2] | bytes[b] << (8 * (b % 2)));
        }
    }
    return words;
}

ByteWriter& ByteChain::encoded() {
    if (pieces_.empty() || !pieces_.back().view.empty()) pieces_.emplace_back();
    return pieces_.back().encoded;
}

void ByteChain::view(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return;
    encoded();
    pieces_.back().view = bytes;
}

void ByteChain::words16(std::span<const uint16_t> words) {
    if constexpr (std::endian::native == std::endian::little) {
        view(nativeBytes(words));
    } else {
        encoded().words16(words);
    }
}

void ByteChain::words32(std::span<const uint32_t> words) {
    if constexpr (std::endian::native == std::endian::little) {
        view(nativeBytes(words));
    } else {
        encoded().words32(words);
    }
}

std::vector<std::span<const uint8_t>> ByteChain::pieces() const {
    std::vector<std::span<const uint8_t>> pieces;
    for (const Piece& piece : pieces_) {
        if (piece.encoded.size() != 0) pieces.emplace_back(piece.encoded.bytes());
        if (!piece.view.empty()) pieces.push_back(piece.view);
    }
    return pieces;
}

std::vector<uint8_t> ByteChain::joined() const {
    std::vector<std::span<const uint8_t>> parts = pieces();
    size_t size = 0;
    for (std::span<const uint8_t> part : parts)
        size += part.size();
    std::vector<uint8_t> bytes;
    bytes.reserve(size);
    for (std::span<const uint8_t> part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

}  // namespace kavrin
