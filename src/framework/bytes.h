// Little-endian reading and writing of binary data.
//
// Every reader of the system's binary formats walks its bytes with one ByteCursor. A read that
// would run past the end of the data reads nothing, returns zero and leaves the cursor failed, so a
// reader can walk a whole section and check once; `fits` lets it refuse a count before it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kavrin {

class ByteCursor {
public:
    ByteCursor() = default;
    explicit ByteCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    size_t offset() const { return offset_; }
    size_t size() const { return bytes_.size(); }
    size_t remaining() const { return bytes_.size() - offset_; }
    bool atEnd() const { return offset_ == bytes_.size(); }

    // True when `count` records of `recordSize` bytes lie between the cursor and the end.
    bool fits(uint64_t count, uint64_t recordSize) const;

    uint8_t u8();
    uint16_t u16();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }

    // The next `count` bytes; empty (and the cursor failed) when fewer remain.
    std::span<const uint8_t> take(uint64_t count);
    bool skip(uint64_t count) { return !take(count).empty() || count == 0; }
    // Moves to `offset` from the start; fails when it lies past the end.
    bool seek(uint64_t offset);
    // Fails the cursor on purpose, as a reader does when a value it read is unusable.
    void fail() { ok_ = false; }

private:
    const uint8_t* need(size_t count);

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
    bool ok_ = true;
};

// Decodes a little-endian value at `p` (no bounds check: callers hold a span that fits).
inline uint16_t loadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t loadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Reads `count` little-endian 16- or 32-bit words.
std::vector<uint16_t> readWords16(ByteCursor& cursor, uint64_t count);
std::vector<uint32_t> readWords32(ByteCursor& cursor, uint64_t count);

// Keyframes are words addressed in bytes; these move them between the two views.
// Appends bytes [first, end) of the words' little-endian bytes; `end` is clamped to them.
void appendWordBytes(std::vector<uint8_t>& out, std::span<const uint16_t> words, size_t first,
                     size_t end);
// The words of little-endian bytes; an odd last byte makes the low byte of a last word.
std::vector<uint16_t> wordsOfBytes(std::span<const uint8_t> bytes);

// Appends little-endian values to a growing byte vector.
class ByteWriter {
public:
    void u8(uint8_t value) { bytes_.push_back(value); }
    void u16(uint16_t value);
    void i16(int16_t value) { u16(static_cast<uint16_t>(value)); }
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void raw(std::span<const uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    void text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void words16(std::span<const uint16_t> words);
    void words32(std::span<const uint32_t> words);

    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> release() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Bytes composed as a chain of pieces: encoded values, and views of arrays that already hold their
// bytes as the file does (texture pages, mesh data; word arrays too on a little-endian host). A
// file of megabytes is then written from where its bulk lies instead of being copied into one
// buffer first. The viewed arrays must outlive the chain.
class ByteChain {
public:
    // Appends encoded values after the pieces so far; the reference lasts until the next view.
    ByteWriter& encoded();
    void view(std::span<const uint8_t> bytes);
    void words16(std::span<const uint16_t> words);
    void words32(std::span<const uint32_t> words);

    // The non-empty pieces in order.
    std::vector<std::span<const uint8_t>> pieces() const;
    // The pieces copied into one array.
    std::vector<uint8_t> joined() const;

private:
    // Encoded bytes followed by a view; only the last piece's encoded bytes still grow.
    struct Piece {
        ByteWriter encoded;
        std::span<const uint8_t> view;
    };
    std::vector<Piece> pieces_;
};

}  // namespace kavrin
