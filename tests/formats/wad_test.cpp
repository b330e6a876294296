#include <gtest/gtest.h>

#include <functional>

#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/ui.h"
#include "support/parsed_file.h"
#include "support/synthetic_wad.h"

namespace kavrin {
namespace {

using test::SyntheticWad;
using Words = std::vector<uint32_t>;

test::ParsedFile<ObjectWad> parseWad(const SyntheticWad& wad) {
    return test::parseAs<ObjectWad>(FILE_WAD, test::wadBytes(wad));
}

// One mesh for every moveable; the animations' commands and keyframes rise by 1 word and 4 bytes.
SyntheticWad wadWithAnimations(std::vector<uint16_t> firstAnimations, uint16_t animationCount) {
    SyntheticWad wad;
    wad.textures = {{.widthMinusOne = 7, .heightMinusOne = 7}};
    wad.pageCount = 1;
    wad.meshes = {test::triangleMesh(3, 0)};
    wad.meshPointers = {0};
    for (uint16_t a = 0; a < animationCount; ++a) {
        wad.animations.push_back({.frameOffset = 4u * a, .nextAnimation = a, .commandOffset = a});
    }
    wad.commands.assign(animationCount + 2u, 3);
    wad.frames.assign(2u * animationCount + 3u, 0);
    for (uint16_t first : firstAnimations)
        wad.moveables.push_back({.meshCount = 1, .firstAnimation = first});
    return wad;
}

void expectRefused(const std::vector<uint8_t>& bytes, const std::string& problem) {
    auto parsed = test::parseAs<ObjectWad>(FILE_WAD, bytes);
    EXPECT_FALSE(parsed.stored);
    EXPECT_EQ(test::refusal(parsed), "Kavrin: @ cannot be read:\n" + problem);
}

TEST(WadReader, AnimationsBelongToTheMoveableWhoseRangeHoldsThem) {
    auto parsed = parseWad(wadWithAnimations({0, NO_ANIMATION, 5}, 9));
    ASSERT_TRUE(parsed.ok);
    const ObjectWad& wad = parsed.contents;
    EXPECT_EQ(wad.moveableAnimEnd, (Words{5, NO_ANIMATION_END, 9}));
    EXPECT_EQ(wad.animOwner, (Words{0, 0, 0, 0, 0, 2, 2, 2, 2}));
    // Each animation ends where the next begins; the last at the end of its section.
    EXPECT_EQ(wad.animCommandEnd, (Words{1, 2, 3, 4, 5, 6, 7, 8, 11}));
    EXPECT_EQ(wad.animFrameEnd, (Words{4, 8, 12, 16, 20, 24, 28, 32, 42}));
}

TEST(WadReader, RefusesIndicesThatLeaveTheirTables) {
    const std::pair<std::function<void(SyntheticWad&)>, const char*> refusals[] = {
        {[](SyntheticWad& w) { w.moveables[0].firstMeshPointer = 1; },
         "moveable 0's mesh pointers run past the end of the Mesh Pointers section"},
        {[](SyntheticWad& w) { w.moveables[0].meshTreeIndex = 1; },
         "moveable 0's links run past the end of the Mesh Trees section"},
        {[](SyntheticWad& w) { w.moveables[0].frameOffset = 18; },
         "moveable 0's keyframes start past the end of the Frames section"},
        {[](SyntheticWad& w) { w.moveables[0].firstAnimation = 2; },
         "moveable 0 starts at animation 2 of only 2"},
        {[](SyntheticWad& w) {
             w.moveables = {{.meshCount = 1, .firstAnimation = 1}, {.firstAnimation = 0}};
         },
         "moveable 1 starts at animation 0, before the moveable ahead of it"},
        {[](SyntheticWad& w) { w.statics[0].meshPointer = 2; },
         "static mesh 0 uses mesh pointer 2 of only 2"},
        {[](SyntheticWad& w) { w.meshPointers[1] = 4; },
         "mesh pointer 1 names byte 4, where no mesh starts"},
        {[](SyntheticWad& w) {
             w.animations[1].firstStateChange = w.animations[1].stateChangeCount = 1;
         },
         "animation 1's state changes run past the end of the States section"},
        {[](SyntheticWad& w) { w.animations[1].commandOffset = 2; },
         "animation 1's commands start past the end of the Animation Commands section"},
        {[](SyntheticWad& w) { w.animations[1].frameOffset = 18; },
         "animation 1's keyframes start past the end of the Frames section"},
        {[](SyntheticWad& w) { w.animations[0].nextAnimation = 2; },
         "animation 0 leads to animation 2 of only 2"},
        {[](SyntheticWad& w) {
             w.animations[0].commandOffset = 1, w.animations[1].commandOffset = 0;
         },
         "animation 1 starts before the animation ahead of it"},
        {[](SyntheticWad& w) { w.stateChanges[0].dispatchCount = 2; },
         "state change 0's dispatches run past the end of the Dispatches section"},
        {[](SyntheticWad& w) { w.textures[0].page = 1; },
         "object texture 0 lies on page 1 of only 1"},
        {[](SyntheticWad& w) { w.textures[0].y = 225; },
         "object texture 0 reaches past the edge of its page"},
        {[](SyntheticWad& w) { w.meshes[0].polygons[0].texture = 0xFFFF; },  // negated index 1
         "a polygon of mesh 0 uses object texture 1 of only 1"},
        {[](SyntheticWad& w) { w.meshes[1].polygons[0].vertices[2] = 4; },
         "a polygon of mesh 1 uses vertex 4 of only 4"},
    };
    for (const auto& [damage, problem] : refusals) {
        SCOPED_TRACE(problem);
        SyntheticWad written = test::smallWad();
        damage(written);
        expectRefused(test::wadBytes(written), problem);
    }
}

TEST(WadReader, RefusesFilesWhoseSectionsOrMeshesDoNotFit) {
    const std::vector<uint8_t> bytes = test::wadBytes(test::smallWad());
    std::vector<uint8_t> trailing = bytes;
    trailing.insert(trailing.end(), {0, 0});
    expectRefused(trailing, "2 bytes follow the Static Meshes section");

    // The page byte count follows the version, the texture count and one texture.
    ASSERT_EQ(loadU32(&bytes[16]), TEXTURE_PAGE_BYTES);
    std::vector<uint8_t> partPage(bytes.begin(), bytes.begin() + 16);
    partPage.insert(partPage.end(), {2, 0, 0, 0, 0x5A, 0x5A});
    partPage.insert(partPage.end(), bytes.begin() + 20 + TEXTURE_PAGE_BYTES, bytes.end());
    expectRefused(partPage,
                  "the Textures section holds 2 bytes of pages, not whole pages of 196608 bytes");

    // A 42-byte mesh at the end of the mesh data, its padding lost; then cut inside that mesh.
    MeshInfo shaded = test::triangleMesh(1, -4);
    shaded.polygons[0].vertices = {0, 0, 0, 0};
    ByteWriter mesh;
    writeWadMesh(mesh, shaded);
    SyntheticWad written = test::smallWad();
    written.meshPointers.push_back(124);
    written.meshDataTail.assign(mesh.bytes().begin(), mesh.bytes().begin() + 42);
    expectRefused(test::wadBytes(written),
                  "the padding after mesh 2 runs past the end of the Meshes section");
    written.meshDataTail.resize(30);
    expectRefused(test::wadBytes(written),
                  "mesh 2 at byte 124 of the Meshes section runs past its end");
    written.meshPointers.resize(1);
    expectRefused(test::wadBytes(written),
                  "the Meshes section holds more meshes than its 1 mesh pointers");
}

}  // namespace
}  // namespace kavrin
