// kavrin-cli info: what a WAD set or a compiled level holds, section by section and object by
// object, as the reference tree would show its entries.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/level_editor_options.h"
#include "cli/source_loading.h"
#include "editing/entries.h"
#include "editing/session.h"
#include "formats/wad.h"
#include "level/level_reader.h"

namespace kavrin::cli {

namespace {

struct Count {
    const char* name;
    uint64_t value;
};

std::vector<Count> wadSetCounts(const ReferenceSource& set) {
    const ObjectSourceBlock& b = set.block;
    return {{"object textures", b.textures.size()},
            {"texture pages", b.texturePages.size() / TEXTURE_PAGE_BYTES},
            {"mesh pointers", b.meshPointers.size()},
            {"meshes", b.meshInfo.size()},
            {"animations", b.animations.size()},
            {"state changes", b.stateChanges.size()},
            {"dispatches", b.dispatches.size()},
            {"command words", b.commands.size()},
            {"mesh tree words", b.meshTrees.size()},
            {"frame words", b.frames.size()},
            {"moveables", b.moveables.size()},
            {"static meshes", b.staticMeshes.size()},
            {"sprites", b.spriteTextures.size()},
            {"sprite sequences", b.spriteSequences.size()},
            {"sound infos", b.soundInfos.size()},
            {"samples", b.samples.size()}};
}

std::vector<Count> levelCounts(const LevelRecord& level) {
    return {{"rooms", level.rooms.size()},
            {"meshes", level.meshes.size()},
            {"mesh pointers", level.meshPointers.size()},
            {"animations", level.animations.size()},
            {"state changes", level.stateChanges.size()},
            {"dispatches", level.dispatches.size()},
            {"command words", level.commands.size()},
            {"mesh tree words", level.meshTrees.size()},
            {"frame words", level.frames.size()},
            {"moveables", level.moveables.size()},
            {"static meshes", level.statics.size()},
            {"object textures", level.objectTextures.size()},
            {"sprite textures", level.spriteTextures.count},
            {"sprite sequences", level.spriteSequences.count},
            {"cameras", level.cameras.count},
            {"flyby cameras", level.flybyCameras.count},
            {"sound sources", level.soundSources.count},
            {"boxes", level.boxes.count},
            {"overlaps", level.overlaps.count},
            {"animated texture words", level.animatedTextures.count},
            {"items", level.items.count},
            {"AI objects", level.aiObjects.count},
            {"demo bytes", level.demoData.count},
            {"sound details", level.soundDetails.size()},
            {"sample indices", level.sampleIndices.size()},
            {"inflated texture bytes", level.pages32.uncompressedSize},
            {"inflated level data bytes", level.levelData.uncompressedSize}};
}

const char* kindOf(const ReferenceSource& source, const ObjectEntry& entry) {
    if (!entry.isMoveable) return "static mesh";
    return entry.kindIndex < source.block.moveables.size() ? "moveable" : "sprite sequence";
}

void printText(const Session& session, const ReferenceSource& source, const char* what,
               const std::vector<Count>& counts) {
    std::printf("%s %s\n\n", what, source.fileName.c_str());
    for (const Count& count : counts)
        std::printf("  %-26s %10llu\n", count.name, static_cast<unsigned long long>(count.value));
    std::printf("\n%u objects, as the reference tree shows them:\n", source.objectCount());
    for (const ObjectEntry& entry : source.entries) {
        std::optional<uint32_t> slot = placeableSlot(*session.catalogue, entry);
        std::string where = slot ? "slot " + std::to_string(*slot) : "no slot: cannot be placed";
        std::printf("  %-32s %-16s %s\n", entryTreeText(*session.catalogue, entry).c_str(),
                    kindOf(source, entry), where.c_str());
    }
}

void printJson(const Session& session, const ReferenceSource& source, const char* what,
               const std::vector<Count>& counts) {
    nlohmann::ordered_json out;
    out["file"] = source.fileName;
    out["kind"] = what;
    for (const Count& count : counts)
        out["counts"][count.name] = count.value;
    out["objects"] = nlohmann::json::array();
    for (const ObjectEntry& entry : source.entries) {
        std::optional<uint32_t> slot = placeableSlot(*session.catalogue, entry);
        out["objects"].push_back(
            {{"slot", slot ? nlohmann::json(*slot) : nlohmann::json(nullptr)},
             {"label", std::string(slot ? slotLabel(*session.catalogue, *slot) : "")},
             {"kind", kindOf(source, entry)},
             {"number", entry.objectNumber},
             {"tree", entryTreeText(*session.catalogue, entry)}});
    }
    std::printf("%s\n", out.dump(2).c_str());
}

struct InfoOptions {
    std::string path;
    LevelEditorOptions levelEditor;
    bool json = false;
};

int runInfo(const InfoOptions& options) {
    Session session;
    session.ui = makeConsoleUi({});
    if (!useLevelEditorOptions(session, options.levelEditor)) return 1;
    LoadedSource loaded = loadSourceAt(session, options.path);
    if (!loaded.source) return 1;
    const ReferenceSource& source = *loaded.source;
    auto print = options.json ? printJson : printText;
    if (source.kind == REF_LEVEL) {
        const LevelRecord& record = *std::any_cast<LevelRecord>(&source.levelFile->contents);
        print(session, source, "level", levelCounts(record));
    } else {
        print(session, source, "WAD set", wadSetCounts(source));
    }
    return 0;
}

}  // namespace

void addInfoCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* info = app.add_subcommand(
        "info", "Show what a WAD set (any of its five files) or a .tr4 level holds");
    info->add_option("PATH", options->path, "A file of the WAD set, or a .tr4 level")->required();
    addLevelEditorOptions(*info, options->levelEditor, false);
    info->add_flag("--json", options->json, "Print machine-readable JSON");
    info->callback([options, &exitCode] { exitCode = runInfo(*options); });
}

}  // namespace kavrin::cli
