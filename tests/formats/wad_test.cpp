#include <gtest/gtest.h>

#include <functional>

#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/ui.h"
#include "support/load_bytes.h"
#include "support/recording_ui.h"
#include "support/synthetic_wad.h"

namespace kavrin {
namespace {

using test::SyntheticWad;

struct ParsedWad {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    test::LoadedFile file;

    explicit ParsedWad(const SyntheticWad& wad) : ParsedWad(test::wadBytes(wad)) {}
    explicit ParsedWad(const std::vector<uint8_t>& bytes) {
        file = test::loadBytes(FILE_WAD, "small", bytes, context);
    }
    const ObjectWad& wad() const { return *std::any_cast<ObjectWad>(&file.record->contents); }
};

void expectSameMesh(const MeshInfo& read, const MeshInfo& written) {
    EXPECT_EQ(read.centre, written.centre);
    EXPECT_EQ(read.radiusWord, written.radiusWord);
    EXPECT_EQ(read.vertices, written.vertices);
    EXPECT_EQ(read.normalCount, written.normalCount);
    EXPECT_EQ(read.normals, written.normals);
    EXPECT_EQ(read.shadeCount, written.shadeCount);
    EXPECT_EQ(read.shades, written.shades);
    EXPECT_EQ(read.polygons, written.polygons);
}

// One mesh per moveable, `animationCount` animations whose commands and keyframes rise by one
// word and four bytes each.
SyntheticWad wadWithAnimations(std::vector<uint16_t> firstAnimations, uint16_t animationCount) {
    SyntheticWad wad;
    wad.textures = {{.widthMinusOne = 7, .heightMinusOne = 7}};
    wad.pageCount = 1;
    wad.meshes = {test::triangleMesh(3, 0)};
    wad.meshPointers = test::meshStarts(wad.meshes);
    for (uint16_t a = 0; a < animationCount; ++a) {
        wad.animations.push_back({.frameOffset = 4u * a, .nextAnimation = a, .commandOffset = a});
    }
    wad.commands.assign(animationCount + 2u, 3);
    wad.frames.assign(2u * animationCount + 3u, 0);
    for (uint16_t first : firstAnimations) {
        wad.moveables.push_back({.meshCount = 1, .firstAnimation = first});
    }
    return wad;
}

TEST(WadReader, ReadsEverySectionAsWritten) {
    SyntheticWad written = test::smallWad();
    written.version = 0;
    written.pagePixel = 0x5A;
    ParsedWad parsed(written);
    ASSERT_TRUE(parsed.file.loaded);
    EXPECT_TRUE(parsed.rec.messages.empty());
    const ObjectWad& wad = parsed.wad();
    EXPECT_EQ(wad.version, 0u);
    EXPECT_EQ(wad.textures, written.textures);
    EXPECT_EQ(wad.texturePages, std::vector<uint8_t>(TEXTURE_PAGE_BYTES, 0x5A));
    EXPECT_EQ(wad.meshPointers, written.meshPointers);
    EXPECT_EQ(wad.animations, written.animations);
    EXPECT_EQ(wad.stateChanges, written.stateChanges);
    EXPECT_EQ(wad.dispatches, written.dispatches);
    EXPECT_EQ(wad.commands, written.commands);
    EXPECT_EQ(wad.meshTrees, written.meshTrees);
    EXPECT_EQ(wad.frames, written.frames);
    EXPECT_EQ(wad.moveables, written.moveables);
    EXPECT_EQ(wad.statics, written.statics);
    ASSERT_EQ(wad.meshInfos.size(), 2u);
    for (size_t m = 0; m < 2; ++m)
        expectSameMesh(wad.meshInfos[m], written.meshes[m]);
    // 16 fixed bytes, 3 vertices and 3 normals, one triangle: 64 bytes, already a multiple of 4.
    EXPECT_EQ(wad.meshOffsets, (std::vector<uint32_t>{0, 64}));
    EXPECT_EQ(wad.meshWordCount, (64u + 60u) / 2);
    EXPECT_EQ(wad.animCommandEnd, (std::vector<uint32_t>{1, 1}));
    EXPECT_EQ(wad.animFrameEnd, (std::vector<uint32_t>{8, 16}));
}

TEST(WadReader, AnimationsBelongToTheMoveableWhoseRangeHoldsThem) {
    ParsedWad parsed(wadWithAnimations({0, NO_ANIMATION, 5}, 9));
    ASSERT_TRUE(parsed.file.loaded);
    const ObjectWad& wad = parsed.wad();
    EXPECT_EQ(wad.moveableAnimEnd, (std::vector<uint32_t>{5, NO_ANIMATION_END, 9}));
    EXPECT_EQ(wad.animOwner, (std::vector<uint32_t>{0, 0, 0, 0, 0, 2, 2, 2, 2}));
    // Each animation ends where the next begins; the last at the end of its section.
    EXPECT_EQ(wad.animCommandEnd, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8, 11}));
    EXPECT_EQ(wad.animFrameEnd, (std::vector<uint32_t>{4, 8, 12, 16, 20, 24, 28, 32, 42}));

    ParsedWad none(wadWithAnimations({NO_ANIMATION, NO_ANIMATION}, 0));
    ASSERT_TRUE(none.file.loaded);
    EXPECT_EQ(none.wad().moveableAnimEnd,
              (std::vector<uint32_t>{NO_ANIMATION_END, NO_ANIMATION_END}));
    EXPECT_TRUE(none.wad().animOwner.empty());
    EXPECT_TRUE(none.wad().animCommandEnd.empty());
    EXPECT_TRUE(none.wad().animFrameEnd.empty());
}

TEST(WadReader, MeshesKeepNormalsOrShadesAndArePaddedFromTheMeshDataStart) {
    // 16 fixed bytes + 1 vertex + 4 shades + one triangle = 42 bytes, so 2 bytes of padding.
    MeshInfo shaded = test::triangleMesh(1, -4);
    shaded.polygons[0].vertices = {0, 0, 0, 0};
    SyntheticWad written = wadWithAnimations({NO_ANIMATION}, 0);
    written.meshes = {shaded, test::triangleMesh(3, 3), test::triangleMesh(3, 0)};
    written.meshPointers = {108, 0, 44, 44};
    ParsedWad parsed(written);
    ASSERT_TRUE(parsed.file.loaded);
    const ObjectWad& wad = parsed.wad();
    ASSERT_EQ(wad.meshInfos.size(), 3u);
    EXPECT_EQ(wad.meshOffsets, (std::vector<uint32_t>{0, 44, 108}));
    EXPECT_EQ(wad.meshSizes, (std::vector<uint32_t>{44, 64, 48}));
    EXPECT_EQ(wad.meshOfPointer, (std::vector<uint32_t>{2, 0, 1, 1}));
    for (size_t m = 0; m < 3; ++m)
        expectSameMesh(wad.meshInfos[m], written.meshes[m]);
    EXPECT_EQ(wad.meshInfos[0].shadeCount, 4);
    EXPECT_EQ(wad.meshInfos[0].normalCount, 0);
    EXPECT_TRUE(wad.meshInfos[0].normals.empty());
    EXPECT_EQ(wad.meshInfos[1].normalCount, 3);
    EXPECT_EQ(wad.meshInfos[1].shadeCount, 0);
    EXPECT_TRUE(wad.meshInfos[2].normals.empty());
    EXPECT_TRUE(wad.meshInfos[2].shades.empty());
}

TEST(WadReader, ProgressNamesTheFileAndAdvancesThroughThreePhases) {
    SyntheticWad written = wadWithAnimations({0, NO_ANIMATION, 5}, 9);
    written.meshes = {test::triangleMesh(3, 0), test::triangleMesh(3, 0)};  // 48 bytes each
    written.meshPointers = test::meshStarts(written.meshes);
    test::RecordingUi rec;
    progressBegin(rec.ui, "Loading", 0, 1000, 1, "Loading");
    ParseContext context{rec.ui};
    test::LoadedFile file = test::loadBytes(FILE_WAD, "small", test::wadBytes(written), context);
    ASSERT_TRUE(file.loaded);
    EXPECT_EQ(rec.progressTexts(), (std::vector<std::string>{"Loading", "Parsing small.WAD"}));
    // Meshes: the second starts halfway (50). Moveables: 2 x 150 / 3 (100). Animations: 8 x 150
    // / 9.
    EXPECT_EQ(rec.ui.progress.position, 50 + 100 + 133);
}

struct Refusal {
    const char* what;
    std::function<void(SyntheticWad&)> damage;
    const char* problem;
};

TEST(WadReader, RefusesBrokenReferencesWithOneMessage) {
    const Refusal refusals[] = {
        {"mesh pointers", [](SyntheticWad& w) { w.moveables[0].firstMeshPointer = 1; },
         "moveable 0's mesh pointers run past the end of the Mesh Pointers section"},
        {"mesh tree", [](SyntheticWad& w) { w.moveables[0].meshTreeIndex = 1; },
         "moveable 0's links run past the end of the Mesh Trees section"},
        {"moveable frames", [](SyntheticWad& w) { w.moveables[0].frameOffset = 18; },
         "moveable 0's keyframes start past the end of the Frames section"},
        {"first animation", [](SyntheticWad& w) { w.moveables[0].firstAnimation = 2; },
         "moveable 0 starts at animation 2 of only 2"},
        {"animations backwards",
         [](SyntheticWad& w) {
             w.moveables[0].firstAnimation = 1;
             w.moveables.push_back({.meshCount = 1, .firstAnimation = 0});
         },
         "moveable 1 starts at animation 0, before the moveable ahead of it"},
        {"static mesh", [](SyntheticWad& w) { w.statics[0].meshPointer = 2; },
         "static mesh 0 uses mesh pointer 2 of only 2"},
        {"pointer between meshes", [](SyntheticWad& w) { w.meshPointers[1] = 4; },
         "mesh pointer 1 names byte 4, where no mesh starts"},
        {"state changes",
         [](SyntheticWad& w) {
             w.animations[1].firstStateChange = 1;
             w.animations[1].stateChangeCount = 1;
         },
         "animation 1's state changes run past the end of the States section"},
        {"commands", [](SyntheticWad& w) { w.animations[1].commandOffset = 2; },
         "animation 1's commands start past the end of the Animation Commands section"},
        {"animation frames", [](SyntheticWad& w) { w.animations[1].frameOffset = 18; },
         "animation 1's keyframes start past the end of the Frames section"},
        {"next animation", [](SyntheticWad& w) { w.animations[0].nextAnimation = 2; },
         "animation 0 leads to animation 2 of only 2"},
        {"offsets backwards",
         [](SyntheticWad& w) {
             w.animations[0].frameOffset = 8;
             w.animations[1].frameOffset = 0;
         },
         "animation 1 starts before the animation ahead of it"},
        {"dispatches", [](SyntheticWad& w) { w.stateChanges[0].dispatchCount = 2; },
         "state change 0's dispatches run past the end of the Dispatches section"},
        {"page", [](SyntheticWad& w) { w.textures[0].page = 1; },
         "object texture 0 lies on page 1 of only 1"},
        {"page edge", [](SyntheticWad& w) { w.textures[0].y = 225; },
         "object texture 0 reaches past the edge of its page"},
        {"object texture", [](SyntheticWad& w) { w.meshes[1].polygons[0].texture = 0x0001; },
         "a polygon of mesh 1 uses object texture 1 of only 1"},
        {"negated object texture",
         [](SyntheticWad& w) { w.meshes[0].polygons[0].texture = 0xFFFF; },
         "a polygon of mesh 0 uses object texture 1 of only 1"},
        {"vertex", [](SyntheticWad& w) { w.meshes[0].polygons[0].vertices[2] = 3; },
         "a polygon of mesh 0 uses vertex 3 of only 3"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        SyntheticWad written = test::smallWad();
        refusal.damage(written);
        ParsedWad parsed(written);
        EXPECT_FALSE(parsed.file.loaded);
        EXPECT_FALSE(parsed.file.record->contents.has_value());
        const test::RecordedMessage& message = parsed.rec.onlyMessage();
        EXPECT_EQ(message.title, "Kavrin");
        EXPECT_EQ(message.style, MessageStyle::ErrorOk);
        EXPECT_EQ(message.text, parsed.file.record->path + " cannot be read:\n" + refusal.problem);
    }
}

TEST(WadReader, ToleratesTheLooseLinksRealSetsHave) {
    SyntheticWad written = test::smallWad();
    written.dispatches[0].nextAnimation = 700;   // an animation the set lacks
    written.animations[0].commandCount = 65535;  // far more commands than there are
    written.animations[1].commandCount = 3;      // commands starting at the very end
    written.meshes[0].polygons[0].shape = 12;    // any shape but a triangle is a quad
    written.meshes[0].polygons[0].vertices[3] = 2;
    written.meshPointers = test::meshStarts(written.meshes);
    ParsedWad parsed(written);
    EXPECT_TRUE(parsed.file.loaded);
    EXPECT_TRUE(parsed.rec.messages.empty());
}

TEST(WadReader, RefusesMeshDataThatDoesNotWalk) {
    ByteWriter mesh;
    MeshInfo shaded = test::triangleMesh(1, -4);  // 42 bytes before its padding
    shaded.polygons[0].vertices = {0, 0, 0, 0};
    writeWadMesh(mesh, shaded);
    const std::vector<uint8_t> unpadded(mesh.bytes().begin(), mesh.bytes().begin() + 42);
    const uint32_t tailStart = test::meshStarts(test::smallWad().meshes).back() + 60;

    const Refusal refusals[] = {
        {"more meshes than pointers", [](SyntheticWad& w) { w.meshPointers.pop_back(); },
         "the Meshes section holds more meshes than its 1 mesh pointers"},
        {"mesh past the mesh data",
         [&](SyntheticWad& w) {
             w.meshPointers.push_back(tailStart);
             w.meshDataTail.assign(unpadded.begin(), unpadded.begin() + 30);
         },
         "mesh 2 at byte 124 of the Meshes section runs past its end"},
        {"padding past the mesh data",
         [&](SyntheticWad& w) {
             w.meshPointers.push_back(tailStart);
             w.meshDataTail = unpadded;
         },
         "the padding after mesh 2 runs past the end of the Meshes section"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        SyntheticWad written = test::smallWad();
        refusal.damage(written);
        ParsedWad parsed(written);
        EXPECT_FALSE(parsed.file.loaded);
        EXPECT_EQ(parsed.rec.onlyMessage().text,
                  parsed.file.record->path + " cannot be read:\n" + refusal.problem);
    }
}

TEST(WadReader, RefusesSectionsThatDoNotFitTheFile) {
    std::vector<uint8_t> bytes = test::wadBytes(test::smallWad());
    auto expectRefused = [](const std::vector<uint8_t>& damaged, const std::string& problem) {
        ParsedWad parsed(damaged);
        EXPECT_FALSE(parsed.file.loaded);
        EXPECT_EQ(parsed.rec.onlyMessage().text,
                  parsed.file.record->path + " cannot be read:\n" + problem);
    };
    std::vector<uint8_t> shortStatic(bytes.begin(), bytes.end() - 1);
    expectRefused(shortStatic, "the Static Meshes section runs past the end of the file");
    std::vector<uint8_t> trailing = bytes;
    trailing.insert(trailing.end(), {0, 0});
    expectRefused(trailing, "2 bytes follow the Static Meshes section");
    expectRefused({1, 0, 0}, "the file ends before its version number");

    auto storeU32 = [](std::vector<uint8_t>& to, size_t at, uint32_t value) {
        ByteWriter word;
        word.u32(value);
        std::copy(word.bytes().begin(), word.bytes().end(),
                  to.begin() + static_cast<ptrdiff_t>(at));
    };
    // The page byte count follows the version, the texture count and one texture; the animation
    // count follows the page, two mesh pointers and 124 bytes of meshes, each with its count.
    const size_t pageCountAt = 4 + 4 + 8;
    const size_t animationCountAt = pageCountAt + 4 + TEXTURE_PAGE_BYTES + 4 + 2 * 4 + 4 + 124;
    ASSERT_EQ(loadU32(&bytes[pageCountAt]), TEXTURE_PAGE_BYTES);
    ASSERT_EQ(loadU32(&bytes[animationCountAt]), 2u);

    std::vector<uint8_t> partPage = bytes;
    storeU32(partPage, pageCountAt, TEXTURE_PAGE_BYTES - 2);
    partPage.erase(partPage.begin() + pageCountAt + 4, partPage.begin() + pageCountAt + 6);
    expectRefused(
        partPage,
        "the Textures section holds 196606 bytes of pages, not whole pages of 196608 bytes");
    std::vector<uint8_t> hugeAnimations = bytes;
    storeU32(hugeAnimations, animationCountAt, 0x40000000);
    expectRefused(hugeAnimations, "the Animations section runs past the end of the file");
}

TEST(WadReader, EveryTruncationIsRefusedWithOneMessage) {
    SyntheticWad written = test::smallWad();
    // Without its page the file is small enough to cut at every length (whole, it is refused for
    // its texture's missing page; only the cuts matter here).
    written.pageCount = 0;
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    test::LoadedFile whole = test::loadBytes(FILE_WAD, "small", test::wadBytes(written), context);
    for (size_t length = 0; length < whole.record->size; ++length) {
        rec.messages.clear();
        EXPECT_FALSE(test::parseCut(*whole.record, length, context)) << length;
        EXPECT_EQ(rec.messages.size(), 1u) << length;
    }
}

}  // namespace
}  // namespace kavrin
