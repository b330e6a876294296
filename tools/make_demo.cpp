// Writes the bundled demo: a small Level Editor directory (objects.h, two WAD sets and a build
// script that combines them, under graphics/wads) made from nothing but this program, so Kavrin's
// main job runs without the Level Editor installed. Usage: make_demo DIRECTORY
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "editing/reference_source.h"
#include "formats/catalogue.h"
#include "formats/sound_files.h"
#include "formats/wad.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_record.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "framework/text_lines.h"
#include "script/script_writer.h"

namespace kavrin {
namespace {

// The slots the demo fills; every other slot gets a plain numbered label.
struct NamedSlot {
    uint32_t slot;
    const char* label;
};
constexpr NamedSlot NAMED_SLOTS[] = {
    {0, "LARA"},           {114, "DEMO_SPIKES"},     {122, "DEMO_DOOR"},
    {156, "DEMO_CRATE"},   {SKY_GRAPHICS_SLOT, "SKY_GRAPHICS"},
    {DEFAULT_SPRITES_SLOT, "DEFAULT_SPRITES"},       {MISC_SPRITES_SLOT, "MISC_SPRITES"},
    {FIRST_STATIC_SLOT, "DEMO_PILLAR"},               {FIRST_STATIC_SLOT + 1, "DEMO_PLANT"},
};

std::string labelOf(uint32_t slot) {
    for (const NamedSlot& named : NAMED_SLOTS) {
        if (named.slot == slot) return named.label;
    }
    return slot < FIRST_STATIC_SLOT ? format("DEMO_OBJECT_%03u", slot)
                                    : format("DEMO_STATIC_%02u", slot - FIRST_STATIC_SLOT);
}

std::string objectsHeader() {
    std::string text;
    appendLine(text, "/* Object slots of the Kavrin demo directory. */");
    appendLine(text, format("#define OBJECT_VERSION %u", OBJECT_VERSION));
    appendLine(text, "");
    appendLine(text, "enum object_types {");
    for (uint32_t slot = 0; slot < FIRST_STATIC_SLOT; ++slot)
        appendLine(text, "\t" + labelOf(slot) + ",");
    appendLine(text, "\tNUMBER_OBJECTS");
    appendLine(text, "};");
    appendLine(text, "");
    appendLine(text, "enum static_types {");
    for (uint32_t slot = FIRST_STATIC_SLOT; slot < SLOT_COUNT; ++slot) {
        appendLine(text, "\t" + labelOf(slot) + ",");
    }
    appendLine(text, "\tNUMBER_STATIC_OBJECTS");
    appendLine(text, "};");
    return text;
}

// A page of 64 x 64 tiles: each tile one colour, with a lighter rim and a darker cross-hatch.
std::vector<uint8_t> tilePage(const std::vector<std::array<uint8_t, 3>>& colours) {
    std::vector<uint8_t> page(TEXTURE_PAGE_BYTES, 0);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            size_t tile = static_cast<size_t>((y / 64) * 4 + x / 64);
            std::array<uint8_t, 3> colour = colours[tile % colours.size()];
            int u = x % 64;
            int v = y % 64;
            bool rim = u < 3 || v < 3 || u > 60 || v > 60;
            bool hatch = (u + v) % 16 == 0 || (u - v + 64) % 16 == 0;
            for (int c = 0; c < 3; ++c) {
                int value = colour[c];
                if (rim) value = value + (255 - value) / 2;
                if (hatch) value = value * 3 / 4;
                page[static_cast<size_t>((y * 256 + x) * 3 + c)] = static_cast<uint8_t>(value);
            }
        }
    }
    return page;
}

ObjectTexture tileTexture(int tile) {
    return {.x = static_cast<uint8_t>((tile % 4) * 64),
            .y = static_cast<uint8_t>((tile / 4) * 64),
            .page = 0,
            .widthMinusOne = 63,
            .heightMinusOne = 63};
}

// A box around its centre, its six faces textured with `texture` and lit by corner normals.
MeshInfo box(int16_t halfX, int16_t halfY, int16_t halfZ, uint16_t texture) {
    MeshInfo mesh;
    mesh.radiusWord = static_cast<uint32_t>(std::max({halfX, halfY, halfZ})) * 2;
    for (int i = 0; i < 8; ++i) {
        int16_t sx = (i & 1) ? 1 : -1;
        int16_t sy = (i & 2) ? 1 : -1;
        int16_t sz = (i & 4) ? 1 : -1;
        mesh.vertices.push_back({static_cast<int16_t>(sx * halfX), static_cast<int16_t>(sy * halfY),
                                 static_cast<int16_t>(sz * halfZ)});
        mesh.normals.push_back({static_cast<int16_t>(sx * 9459), static_cast<int16_t>(sy * 9459),
                                static_cast<int16_t>(sz * 9459)});
    }
    mesh.normalCount = 8;
    const std::array<uint16_t, 4> faces[] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                                             {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    for (const auto& face : faces) {
        mesh.polygons.push_back({.shape = QUAD_SHAPE, .vertices = face, .texture = texture});
    }
    return mesh;
}

// A static mesh whose view and collision boxes both enclose a box of the given half sizes.
StaticMesh staticMesh(uint32_t number, uint16_t meshPointer, int16_t halfX, int16_t halfY,
                      int16_t halfZ) {
    StaticMesh mesh{.staticNumber = number, .meshPointer = meshPointer};
    ByteWriter boxes;
    for (int box = 0; box < 2; ++box) {
        for (int16_t value : {halfX, halfY, halfZ}) {
            boxes.i16(static_cast<int16_t>(-value));
            boxes.i16(value);
        }
    }
    boxes.u16(3);  // visible and solid
    std::copy(boxes.bytes().begin(), boxes.bytes().end(), mesh.carried.begin());
    return mesh;
}

// The meshes of a set and the pointers to them, one pointer per mesh.
struct MeshData {
    std::vector<uint8_t> bytes{};
    std::vector<uint32_t> pointers{};

    uint16_t add(const MeshInfo& mesh) {
        pointers.push_back(static_cast<uint32_t>(bytes.size()));
        ByteWriter out;
        writeWadMesh(out, mesh);
        bytes.insert(bytes.end(), out.bytes().begin(), out.bytes().end());
        return static_cast<uint16_t>(pointers.size() - 1);
    }
};

// Keyframes of a two-mesh figure: bounding box, offset, then one packed rotation per mesh.
std::vector<uint16_t> keyframes(int count, int16_t sway) {
    std::vector<uint16_t> words;
    for (int f = 0; f < count; ++f) {
        const int16_t frame[] = {
            -128, 128, -512, 0, -128, 128, 0, static_cast<int16_t>(-256 + f * sway), 0};
        for (int16_t word : frame) words.push_back(static_cast<uint16_t>(word));
        for (int mesh = 0; mesh < 2; ++mesh) {
            words.push_back(static_cast<uint16_t>(f * 16));
            words.push_back(0);
        }
    }
    return words;
}

constexpr uint16_t FRAME_WORDS = 13;  // 9 words of box and offset, 2 per mesh

SpriteTexture sprite(uint8_t x, uint8_t y, uint8_t size) {
    SpriteTexture texture;
    texture.bytes[0] = x;
    texture.bytes[1] = y;
    texture.bytes[5] = static_cast<uint8_t>(size - 1);
    texture.bytes[7] = static_cast<uint8_t>(size - 1);
    return texture;
}

// Sky graphics (four 64 x 64 sprites in rows 0 to 63) and the default sprites below them.
SpriteWad demoSprites() {
    SpriteWad swd;
    swd.version = OBJECT_VERSION;
    for (uint8_t i = 0; i < 4; ++i)
        swd.sprites.push_back(sprite(static_cast<uint8_t>(i * 64), 0, 64));
    for (uint8_t i = 0; i < 33; ++i) {
        swd.sprites.push_back(sprite(static_cast<uint8_t>((i % 8) * 32),
                                     static_cast<uint8_t>(64 + (i / 8) * 32), 32));
    }
    swd.page = tilePage({{40, 70, 160}, {60, 90, 180}, {80, 110, 200}, {100, 130, 220},
                         {200, 60, 60}, {60, 200, 60}, {200, 200, 60}, {200, 60, 200}});
    swd.sequences = {{SKY_GRAPHICS_SLOT, -4, 0}, {DEFAULT_SPRITES_SLOT, -33, 4}};
    return swd;
}

SoundResources oneSound(uint32_t soundNumber) {
    SoundResources sounds;
    sounds.soundMap.fill(NO_SOUND);
    sounds.soundMap[soundNumber] = 0;
    sounds.infos.push_back({.firstSample = 0, .carried = {200, 8, 0, 0, 4, 0}});
    sounds.sampleValues.push_back(0);
    return sounds;
}

std::string wasLine(uint32_t slot, const char* setName) {
    std::string prefix = slot == SKY_GRAPHICS_SLOT ? "SPRITE0 TO SPRITE3 "
                         : slot == DEFAULT_SPRITES_SLOT ? "SPRITE0 TO SPRITE99 "
                                                        : "";
    return format("%s:%sZ:\\WAD\\%s\\%s.prk", labelOf(slot).c_str(), prefix.c_str(), setName,
                  labelOf(slot).c_str());
}

struct DemoSet {
    const char* name = "";
    std::vector<ObjectTexture> textures{};
    std::vector<uint8_t> pages{};
    MeshData meshes{};
    std::vector<Animation> animations{};
    std::vector<StateChange> stateChanges{};
    std::vector<Dispatch> dispatches{};
    std::vector<uint16_t> commands{};
    std::vector<uint32_t> meshTrees{};
    std::vector<uint16_t> frames{};
    std::vector<Moveable> moveables{};
    std::vector<StaticMesh> statics{};
    SpriteWad sprites{};
    SoundResources sounds{};
    std::vector<std::string> sampleNames{};
};

// Lara as two boxes that sway (two animations joined by a state change, one playing a sound), a
// crate, a pillar, and the sky and default sprites.
DemoSet demoSet() {
    DemoSet set{.name = "demo"};
    for (int tile = 0; tile < 8; ++tile) set.textures.push_back(tileTexture(tile));
    set.pages = tilePage({{150, 90, 60}, {120, 120, 120}, {170, 140, 90}, {90, 60, 40},
                          {200, 170, 130}, {60, 100, 60}, {140, 40, 40}, {220, 200, 180}});
    uint16_t body = set.meshes.add(box(128, 256, 96, 0));
    set.meshes.add(box(80, 80, 80, 4));
    set.meshTrees = {0, 0, static_cast<uint32_t>(-336), 0};  // the head sits above the body
    set.frames = keyframes(8, 0);
    std::vector<uint16_t> walk = keyframes(8, 32);
    set.frames.insert(set.frames.end(), walk.begin(), walk.end());
    set.animations = {
        {.frameOffset = 0,
         .frameRate = 1,
         .frameSize = FRAME_WORDS,
         .stateId = 2,
         .frameEnd = 7,
         .nextAnimation = 0,
         .stateChangeCount = 1,
         .firstStateChange = 0},
        {.frameOffset = 8 * FRAME_WORDS * 2,
         .frameRate = 1,
         .frameSize = FRAME_WORDS,
         .stateId = 0,
         .speed = 12 << 16,
         .frameEnd = 7,
         .nextAnimation = 0,
         .commandCount = 1,
         .commandOffset = 0},
    };
    set.stateChanges = {{.stateId = 0, .dispatchCount = 1, .firstDispatch = 0}};
    set.dispatches = {{.lowFrame = 0, .highFrame = 7, .nextAnimation = 1, .nextFrame = 0}};
    set.commands = {5, 4, 0};  // play sound 0 at frame 4
    set.moveables = {{.slot = 0, .meshCount = 2, .firstMeshPointer = body, .meshTreeIndex = 0,
                      .frameOffset = 0, .firstAnimation = 0}};
    uint16_t crate = set.meshes.add(box(256, 256, 256, 2));
    set.moveables.push_back({.slot = 156, .meshCount = 1, .firstMeshPointer = crate,
                             .firstAnimation = NO_ANIMATION});
    uint16_t pillar = set.meshes.add(box(96, 512, 96, 1));
    set.statics.push_back(staticMesh(0, pillar, 96, 512, 96));
    set.sprites = demoSprites();
    set.sounds = oneSound(0);
    set.sampleNames = {"demo_step.wav"};
    return set;
}

// A door that opens, spikes, and a plant; no sprites.
DemoSet propsSet() {
    DemoSet set{.name = "props"};
    for (int tile = 0; tile < 4; ++tile) set.textures.push_back(tileTexture(tile));
    set.pages = tilePage({{110, 70, 40}, {160, 160, 170}, {50, 140, 60}, {90, 90, 100}});
    uint16_t door = set.meshes.add(box(512, 512, 32, 0));
    set.frames.assign(2 * 11, 0);  // two keyframes of one mesh: closed, then turned
    set.frames[2 * 11 - 2] = 0x1000;
    set.animations = {{.frameOffset = 0, .frameRate = 1, .frameSize = 11, .frameEnd = 1,
                       .nextAnimation = 0, .commandCount = 1, .commandOffset = 0}};
    set.commands = {5, 0, 1};  // the door's sound
    set.moveables = {{.slot = 122, .meshCount = 1, .firstMeshPointer = door, .firstAnimation = 0}};
    uint16_t spikes = set.meshes.add(box(512, 64, 512, 1));
    set.moveables.push_back({.slot = 114, .meshCount = 1, .firstMeshPointer = spikes,
                             .firstAnimation = NO_ANIMATION});
    uint16_t plant = set.meshes.add(box(64, 300, 64, 2));
    set.statics.push_back(staticMesh(1, plant, 64, 300, 64));
    set.sprites.version = OBJECT_VERSION;
    set.sounds = oneSound(1);
    set.sampleNames = {"door_open.wav"};
    return set;
}

bool writeSet(Ui& ui, const std::string& directory, const DemoSet& set) {
    std::string stem = directory;
    joinPath(stem, set.name);
    std::vector<uint8_t> wad = encodeWadFile({.version = OBJECT_VERSION,
                                              .textures = set.textures,
                                              .texturePages = set.pages,
                                              .meshPointers = set.meshes.pointers,
                                              .meshData = set.meshes.bytes,
                                              .animations = set.animations,
                                              .stateChanges = set.stateChanges,
                                              .dispatches = set.dispatches,
                                              .commands = set.commands,
                                              .meshTrees = set.meshTrees,
                                              .frames = set.frames,
                                              .moveables = set.moveables,
                                              .statics = set.statics});
    std::string was;
    std::vector<uint32_t> slots;
    for (const Moveable& moveable : set.moveables) slots.push_back(moveable.slot);
    for (const SpriteSequence& sequence : set.sprites.sequences) slots.push_back(sequence.slot);
    for (const StaticMesh& mesh : set.statics)
        slots.push_back(FIRST_STATIC_SLOT + mesh.staticNumber);
    std::sort(slots.begin(), slots.end());
    for (uint32_t slot : slots) appendLine(was, wasLine(slot, set.name));
    return writeFileReplacing(ui, stem + ".WAD", wad) &&
           writeFileReplacing(ui, stem + ".SWD", encodeSwdFile(set.sprites)) &&
           writeFileReplacing(ui, stem + ".SFX", encodeSfxFile(set.sounds)) &&
           writeFileReplacing(ui, stem + ".SAM", encodeSamFile(set.sampleNames)) &&
           writeFileReplacing(ui, stem + ".WAS", was);
}

// The showcase set: Lara, the crate, the sprites and the pillar of the demo set, with the door,
// the spikes and the plant of the props set.
std::string showcaseScript() {
    const ScriptObject objects[] = {
        {0, REF_WAD_SET, 0, "demo"},
        {114, REF_WAD_SET, 114, "props"},
        {122, REF_WAD_SET, 122, "props"},
        {156, REF_WAD_SET, 156, "demo"},
        {SKY_GRAPHICS_SLOT, REF_WAD_SET, SKY_GRAPHICS_SLOT, "demo"},
        {DEFAULT_SPRITES_SLOT, REF_WAD_SET, DEFAULT_SPRITES_SLOT, "demo"},
        {FIRST_STATIC_SLOT, REF_WAD_SET, FIRST_STATIC_SLOT, "demo"},
        {FIRST_STATIC_SLOT + 1, REF_WAD_SET, FIRST_STATIC_SLOT + 1, "props"},
    };
    return scriptText(objects);
}

}  // namespace
}  // namespace kavrin

int main(int argc, char** argv) {
    using namespace kavrin;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo DIRECTORY\n");
        return 2;
    }
    Ui ui;
    ui.port.message = [](MessageStyle, const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return Button::Ok;
    };
    std::string directory = argv[1];
    std::string wads = directory;
    joinPath(wads, "graphics");
    joinPath(wads, "wads");
    std::filesystem::create_directories(fileSystemPath(wads));
    std::string header = directory;
    joinPath(header, "objects.h");
    std::string script = wads;
    joinPath(script, "showcase.KVS");
    bool written = writeFileReplacing(ui, header, objectsHeader()) &&
                   writeSet(ui, wads, demoSet()) && writeSet(ui, wads, propsSet()) &&
                   writeFileReplacing(ui, script, showcaseScript());
    return written ? 0 : 1;
}
