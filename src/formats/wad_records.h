// The fixed-size records that WAD files and compiled levels share, with their byte layouts.
//
// Each record has a decoder (from a ByteCursor) and an encoder (into a ByteWriter) that follow its
// file layout field by field, little-endian, with no padding. `RECORD_SIZE<T>` is its size in a
// file.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "framework/bytes.h"

namespace kavrin {

// The texture rectangle a polygon uses (8 bytes).
struct ObjectTexture {
    uint8_t x = 0;
    uint8_t y = 0;
    uint16_t page = 0;
    uint8_t flagX = 0;
    uint8_t widthMinusOne = 0;
    uint8_t flagY = 0;
    uint8_t heightMinusOne = 0;
    bool operator==(const ObjectTexture&) const = default;
};

// One animation (40 bytes). Fields other than the offsets, counts and links are carried unchanged.
struct Animation {
    uint32_t frameOffset = 0;  // bytes into the frames
    uint8_t frameRate = 0;
    uint8_t frameSize = 0;
    uint16_t stateId = 0;
    int32_t speed = 0;
    int32_t acceleration = 0;
    int32_t lateralSpeed = 0;
    int32_t lateralAcceleration = 0;
    uint16_t frameStart = 0;
    uint16_t frameEnd = 0;
    uint16_t nextAnimation = 0;
    uint16_t nextFrame = 0;
    uint16_t stateChangeCount = 0;
    uint16_t firstStateChange = 0;
    uint16_t commandCount = 0;   // commands, not words
    uint16_t commandOffset = 0;  // word index into the commands
    bool operator==(const Animation&) const = default;
};

struct StateChange {  // 6 bytes
    uint16_t stateId = 0;
    uint16_t dispatchCount = 0;
    uint16_t firstDispatch = 0;
    bool operator==(const StateChange&) const = default;
};

struct Dispatch {  // 8 bytes
    uint16_t lowFrame = 0;
    uint16_t highFrame = 0;
    uint16_t nextAnimation = 0;
    uint16_t nextFrame = 0;
    bool operator==(const Dispatch&) const = default;
};

inline constexpr uint16_t NO_ANIMATION = 0xFFFF;

struct Moveable {  // 18 bytes
    uint32_t slot = 0;
    uint16_t meshCount = 0;
    uint16_t firstMeshPointer = 0;
    uint32_t meshTreeIndex = 0;  // in 32-bit words; four words per link
    uint32_t frameOffset = 0;    // bytes into the frames
    uint16_t firstAnimation = 0; // NO_ANIMATION: the moveable has none
    bool operator==(const Moveable&) const = default;
};

struct StaticMesh {  // 32 bytes
    uint32_t staticNumber = 0;  // catalogue slot minus the first static slot
    uint16_t meshPointer = 0;
    std::array<uint8_t, 26> carried{};  // bounding boxes and flags, carried unchanged
    bool operator==(const StaticMesh&) const = default;
};

struct SoundInfo {  // 8 bytes
    uint16_t firstSample = 0;
    std::array<uint8_t, 6> carried{};
    bool operator==(const SoundInfo&) const = default;
};

struct SpriteTexture {  // 16 bytes; the writer only moves the top row (byte 1)
    std::array<uint8_t, 16> bytes{};
    uint8_t topRow() const { return bytes[1]; }
    bool operator==(const SpriteTexture&) const = default;
};

struct SpriteSequence {  // 8 bytes
    uint32_t slot = 0;
    int16_t negativeLength = 0;  // the number of sprites, negated
    uint16_t firstSprite = 0;
    bool operator==(const SpriteSequence&) const = default;
};

template <class T>
inline constexpr uint32_t RECORD_SIZE = 0;
template <> inline constexpr uint32_t RECORD_SIZE<ObjectTexture> = 8;
template <> inline constexpr uint32_t RECORD_SIZE<Animation> = 40;
template <> inline constexpr uint32_t RECORD_SIZE<StateChange> = 6;
template <> inline constexpr uint32_t RECORD_SIZE<Dispatch> = 8;
template <> inline constexpr uint32_t RECORD_SIZE<Moveable> = 18;
template <> inline constexpr uint32_t RECORD_SIZE<StaticMesh> = 32;
template <> inline constexpr uint32_t RECORD_SIZE<SoundInfo> = 8;
template <> inline constexpr uint32_t RECORD_SIZE<SpriteTexture> = 16;
template <> inline constexpr uint32_t RECORD_SIZE<SpriteSequence> = 8;

void decodeRecord(ByteCursor& in, ObjectTexture& out);
void decodeRecord(ByteCursor& in, Animation& out);
void decodeRecord(ByteCursor& in, StateChange& out);
void decodeRecord(ByteCursor& in, Dispatch& out);
void decodeRecord(ByteCursor& in, Moveable& out);
void decodeRecord(ByteCursor& in, StaticMesh& out);
void decodeRecord(ByteCursor& in, SoundInfo& out);
void decodeRecord(ByteCursor& in, SpriteTexture& out);
void decodeRecord(ByteCursor& in, SpriteSequence& out);

void encodeRecord(ByteWriter& out, const ObjectTexture& in);
void encodeRecord(ByteWriter& out, const Animation& in);
void encodeRecord(ByteWriter& out, const StateChange& in);
void encodeRecord(ByteWriter& out, const Dispatch& in);
void encodeRecord(ByteWriter& out, const Moveable& in);
void encodeRecord(ByteWriter& out, const StaticMesh& in);
void encodeRecord(ByteWriter& out, const SoundInfo& in);
void encodeRecord(ByteWriter& out, const SpriteTexture& in);
void encodeRecord(ByteWriter& out, const SpriteSequence& in);

// Reads `count` records; false (and nothing read) when they run past the end of the data.
template <class T>
bool readRecords(ByteCursor& in, uint64_t count, std::vector<T>& out) {
    if (!in.fits(count, RECORD_SIZE<T>)) {
        in.fail();
        return false;
    }
    out.resize(static_cast<size_t>(count));
    for (T& record : out) decodeRecord(in, record);
    return true;
}

template <class T>
void writeRecords(ByteWriter& out, const std::vector<T>& records) {
    for (const T& record : records) encodeRecord(out, record);
}

}  // namespace kavrin
