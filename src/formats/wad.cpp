#include "formats/wad.h"

#include <string>

#include "formats/derived_tables.h"
#include "formats/object_references.h"
#include "framework/file_record.h"
#include "framework/refusal.h"
#include "framework/text_format.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// Reads the twelve counted sections after the version, keeping the mesh data as it stands for the
// mesh walk. Returns the name of the first section that runs past the end of the file, or nullptr.
const char* readSections(ByteCursor& in, ObjectWad& wad, std::span<const uint8_t>& meshData) {
    if (!readRecords(in, in.u32(), wad.textures)) return "Textures";
    std::span<const uint8_t> pages = in.take(in.u32());
    if (!in.ok()) return "Textures";
    wad.texturePages.assign(pages.begin(), pages.end());
    wad.meshPointers = readWords32(in, in.u32());
    if (!in.ok()) return "Mesh Pointers";
    wad.meshWordCount = in.u32();
    meshData = in.take(uint64_t{wad.meshWordCount} * 2);
    if (!in.ok()) return "Meshes";
    return readObjectRecords(in, wad);
}

// Walks the meshes stored back to back, each padded to a multiple of 4 bytes from the start of the
// mesh data. The per-mesh tables are sized by the mesh pointers, so mesh data holding more meshes
// than that is as damaged as a mesh that does not fit. Returns what is wrong, or nothing.
std::string walkMeshes(std::span<const uint8_t> meshData, ObjectWad& wad, Ui& ui) {
    ByteCursor in(meshData);
    progressMark(ui, nullptr);
    while (!in.atEnd()) {
        progressSub(ui, static_cast<int>(uint64_t{in.offset()} * 100 / meshData.size()), nullptr);
        const size_t number = wad.meshInfos.size();
        if (number == wad.meshPointers.size()) {
            return format("the Meshes section holds more meshes than its %zu mesh pointers",
                          wad.meshPointers.size());
        }
        const uint32_t offset = static_cast<uint32_t>(in.offset());
        if (!readMesh(in, MeshLayout::Wad, wad.meshInfos.emplace_back())) {
            return format("mesh %zu at byte %u of the Meshes section runs past its end", number,
                          offset);
        }
        if (!in.seek((in.offset() + 3) & ~size_t{3})) {
            return format("the padding after mesh %zu runs past the end of the Meshes section",
                          number);
        }
        wad.meshOffsets.push_back(offset);
        wad.meshSizes.push_back(static_cast<uint32_t>(in.offset()) - offset);
    }
    return {};
}

ObjectReferenceViews referenceViews(const ObjectWad& wad) {
    return {
        .records = wad,
        .meshPointers = wad.meshPointers,
        .meshOfPointer = wad.meshOfPointer,
        .meshOffsets = wad.meshOffsets,
        .meshInfos = wad.meshInfos,
        .textures = wad.textures,
        .texturePageCount = static_cast<uint32_t>(wad.texturePages.size() / TEXTURE_PAGE_BYTES),
    };
}

}  // namespace

bool parseWad(FileRecord& record, ParseContext& context) {
    Ui& ui = context.ui;
    progressSet(ui, 0, "Parsing %s%s", record.name.c_str(), ".WAD");

    ObjectWad wad;
    ByteCursor in(record.bytes());
    wad.version = in.u32();
    if (!in.ok()) return refuseFile(ui, record.path, "the file ends before its version number");
    std::span<const uint8_t> meshData;
    if (const char* section = readSections(in, wad, meshData)) {
        return refuseFile(ui, record.path, "the %s section runs past the end of the file", section);
    }
    // Every WAD the Level Editor makes ends with its last section; bytes after it mean the counts
    // were not meant the way they read.
    if (!in.atEnd()) {
        return refuseFile(ui, record.path, "%zu bytes follow the Static Meshes section",
                          in.remaining());
    }
    if (wad.texturePages.size() % TEXTURE_PAGE_BYTES != 0) {
        return refuseFile(
            ui, record.path,
            "the Textures section holds %zu bytes of pages, not whole pages of %u bytes",
            wad.texturePages.size(), TEXTURE_PAGE_BYTES);
    }

    if (std::string problem = walkMeshes(meshData, wad, ui); !problem.empty()) {
        return refuseFile(ui, record.path, "%s", problem.c_str());
    }
    wad.meshOfPointer = mapMeshPointers(wad.meshPointers, wad.meshOffsets);
    if (std::string broken = findBrokenReference(referenceViews(wad)); !broken.empty()) {
        return refuseFile(ui, record.path, "%s", broken.c_str());
    }

    AnimationTables tables = deriveAnimationTables(
        wad.moveables, wad.animations, static_cast<uint32_t>(wad.commands.size()),
        static_cast<uint32_t>(wad.frames.size() * 2), &ui);
    wad.moveableAnimEnd = std::move(tables.moveableAnimEnd);
    wad.animCommandEnd = std::move(tables.animCommandEnd);
    wad.animFrameEnd = std::move(tables.animFrameEnd);
    wad.animOwner = std::move(tables.animOwner);
    record.contents = std::move(wad);
    return true;
}

}  // namespace kavrin
