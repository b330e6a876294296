#include "formats/wad_records.h"

namespace kavrin {

namespace {

template <size_t N>
void readBytes(ByteCursor& in, std::array<uint8_t, N>& out) {
    std::span<const uint8_t> bytes = in.take(N);
    if (bytes.size() == N) std::copy(bytes.begin(), bytes.end(), out.begin());
}

}  // namespace

void decodeRecord(ByteCursor& in, ObjectTexture& out) {
    out.x = in.u8();
    out.y = in.u8();
    out.page = in.u16();
    out.flagX = in.u8();
    out.widthMinusOne = in.u8();
    out.flagY = in.u8();
    out.heightMinusOne = in.u8();
}

void encodeRecord(ByteWriter& out, const ObjectTexture& in) {
    out.u8(in.x);
    out.u8(in.y);
    out.u16(in.page);
    out.u8(in.flagX);
    out.u8(in.widthMinusOne);
    out.u8(in.flagY);
    out.u8(in.heightMinusOne);
}

void decodeRecord(ByteCursor& in, Animation& out) {
    out.frameOffset = in.u32();
    out.frameRate = in.u8();
    out.frameSize = in.u8();
    out.stateId = in.u16();
    out.speed = in.i32();
    out.acceleration = in.i32();
    out.lateralSpeed = in.i32();
    out.lateralAcceleration = in.i32();
    out.frameStart = in.u16();
    out.frameEnd = in.u16();
    out.nextAnimation = in.u16();
    out.nextFrame = in.u16();
    out.stateChangeCount = in.u16();
    out.firstStateChange = in.u16();
    out.commandCount = in.u16();
    out.commandOffset = in.u16();
}

void encodeRecord(ByteWriter& out, const Animation& in) {
    out.u32(in.frameOffset);
    out.u8(in.frameRate);
    out.u8(in.frameSize);
    out.u16(in.stateId);
    out.i32(in.speed);
    out.i32(in.acceleration);
    out.i32(in.lateralSpeed);
    out.i32(in.lateralAcceleration);
    out.u16(in.frameStart);
    out.u16(in.frameEnd);
    out.u16(in.nextAnimation);
    out.u16(in.nextFrame);
    out.u16(in.stateChangeCount);
    out.u16(in.firstStateChange);
    out.u16(in.commandCount);
    out.u16(in.commandOffset);
}

void decodeRecord(ByteCursor& in, StateChange& out) {
    out.stateId = in.u16();
    out.dispatchCount = in.u16();
    out.firstDispatch = in.u16();
}

void encodeRecord(ByteWriter& out, const StateChange& in) {
    out.u16(in.stateId);
    out.u16(in.dispatchCount);
    out.u16(in.firstDispatch);
}

void decodeRecord(ByteCursor& in, Dispatch& out) {
    out.lowFrame = in.u16();
    out.highFrame = in.u16();
    out.nextAnimation = in.u16();
    out.nextFrame = in.u16();
}

void encodeRecord(ByteWriter& out, const Dispatch& in) {
    out.u16(in.lowFrame);
    out.u16(in.highFrame);
    out.u16(in.nextAnimation);
    out.u16(in.nextFrame);
}

void decodeRecord(ByteCursor& in, Moveable& out) {
    out.slot = in.u32();
    out.meshCount = in.u16();
    out.firstMeshPointer = in.u16();
    out.meshTreeIndex = in.u32();
    out.frameOffset = in.u32();
    out.firstAnimation = in.u16();
}

void encodeRecord(ByteWriter& out, const Moveable& in) {
    out.u32(in.slot);
    out.u16(in.meshCount);
    out.u16(in.firstMeshPointer);
    out.u32(in.meshTreeIndex);
    out.u32(in.frameOffset);
    out.u16(in.firstAnimation);
}

void decodeRecord(ByteCursor& in, StaticMesh& out) {
    out.staticNumber = in.u32();
    out.meshPointer = in.u16();
    readBytes(in, out.carried);
}

void encodeRecord(ByteWriter& out, const StaticMesh& in) {
    out.u32(in.staticNumber);
    out.u16(in.meshPointer);
    out.raw(in.carried);
}

void decodeRecord(ByteCursor& in, SoundInfo& out) {
    out.firstSample = in.u16();
    readBytes(in, out.carried);
}

void encodeRecord(ByteWriter& out, const SoundInfo& in) {
    out.u16(in.firstSample);
    out.raw(in.carried);
}

void decodeRecord(ByteCursor& in, SpriteTexture& out) { readBytes(in, out.bytes); }

void encodeRecord(ByteWriter& out, const SpriteTexture& in) { out.raw(in.bytes); }

void decodeRecord(ByteCursor& in, SpriteSequence& out) {
    out.slot = in.u32();
    out.negativeLength = in.i16();
    out.firstSprite = in.u16();
}

void encodeRecord(ByteWriter& out, const SpriteSequence& in) {
    out.u32(in.slot);
    out.i16(in.negativeLength);
    out.u16(in.firstSprite);
}

}  // namespace kavrin
