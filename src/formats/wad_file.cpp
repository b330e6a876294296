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

ByteChain composeWadFile(const WadFileSections& wad) {
    ByteChain out;
    out.encoded().u32(wad.version);
    countedRecords(out.encoded(), wad.textures);
    out.encoded().u32(static_cast<uint32_t>(wad.texturePages.size()));
    out.view(wad.texturePages);
    out.encoded().u32(static_cast<uint32_t>(wad.meshPointers.size()));
    out.words32(wad.meshPointers);
    out.encoded().u32(static_cast<uint32_t>(wad.meshData.size() / 2));
    out.view(wad.meshData);
    countedRecords(out.encoded(), wad.animations);
    countedRecords(out.encoded(), wad.stateChanges);
    countedRecords(out.encoded(), wad.dispatches);
    out.encoded().u32(static_cast<uint32_t>(wad.commands.size()));
    out.words16(wad.commands);
    out.encoded().u32(static_cast<uint32_t>(wad.meshTrees.size()));
    out.words32(wad.meshTrees);
    out.encoded().u32(static_cast<uint32_t>(wad.frames.size()));
    out.words16(wad.frames);
    countedRecords(out.encoded(), wad.moveables);
    countedRecords(out.encoded(), wad.statics);
    return out;
}

std::vector<uint8_t> encodeWadFile(const WadFileSections& wad) {
    return composeWadFile(wad).joined();
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
