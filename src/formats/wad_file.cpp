#include "formats/wad_file.h"

#include "framework/text_lines.h"

namespace kavrin {

namespace {

template <class T>
void countedRecords(ByteWriter& out, std::span<const T> records) {
    out.u32(static_cast<uint32_t>(records.size()));
    for (const T& record : records) encodeRecord(out, record);
}

}  // namespace

std::vector<uint8_t> encodeWadFile(const WadFileSections& wad) {
    ByteWriter out;
    // A WAD runs to megabytes: growing the buffer once spares copying it over and over.
    out.reserve(4 * 13 + wad.textures.size() * RECORD_SIZE<ObjectTexture> +
                wad.texturePages.size() + wad.meshPointers.size() * 4 + wad.meshData.size() +
                wad.animations.size() * RECORD_SIZE<Animation> +
                wad.stateChanges.size() * RECORD_SIZE<StateChange> +
                wad.dispatches.size() * RECORD_SIZE<Dispatch> + wad.commands.size() * 2 +
                wad.meshTrees.size() * 4 + wad.frames.size() * 2 +
                wad.moveables.size() * RECORD_SIZE<Moveable> +
                wad.statics.size() * RECORD_SIZE<StaticMesh>);
    out.u32(wad.version);
    countedRecords(out, wad.textures);
    out.u32(static_cast<uint32_t>(wad.texturePages.size()));
    out.raw(wad.texturePages);
    out.u32(static_cast<uint32_t>(wad.meshPointers.size()));
    out.words32(wad.meshPointers);
    out.u32(static_cast<uint32_t>(wad.meshData.size() / 2));
    out.raw(wad.meshData);
    countedRecords(out, wad.animations);
    countedRecords(out, wad.stateChanges);
    countedRecords(out, wad.dispatches);
    out.u32(static_cast<uint32_t>(wad.commands.size()));
    out.words16(wad.commands);
    out.u32(static_cast<uint32_t>(wad.meshTrees.size()));
    out.words32(wad.meshTrees);
    out.u32(static_cast<uint32_t>(wad.frames.size()));
    out.words16(wad.frames);
    countedRecords(out, wad.moveables);
    countedRecords(out, wad.statics);
    return out.release();
}

std::vector<uint8_t> encodeSwdFile(const SpriteWad& swd) {
    ByteWriter out;
    out.u32(swd.version);
    countedRecords(out, std::span<const SpriteTexture>(swd.sprites));
    out.u32(static_cast<uint32_t>(swd.page.size()));
    out.raw(swd.page);
    countedRecords(out, std::span<const SpriteSequence>(swd.sequences));
    return out.release();
}

std::vector<uint8_t> encodeSfxFile(const SoundResources& sounds) {
    ByteWriter out;
    out.words16(sounds.soundMap);
    countedRecords(out, std::span<const SoundInfo>(sounds.infos));
    out.u32(static_cast<uint32_t>(sounds.sampleValues.size()));
    out.words32(sounds.sampleValues);
    return out.release();
}

std::string encodeSamFile(std::span<const std::string> sampleNames) {
    std::string text;
    for (const std::string& name : sampleNames) appendLine(text, name);
    return text;
}

}  // namespace kavrin
