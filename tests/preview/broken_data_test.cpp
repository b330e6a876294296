// Objects whose indices lead outside their tables draw what they can and read nothing outside.
#include <gtest/gtest.h>

#include <functional>

#include "formats/wad.h"
#include "preview/object_render.h"

namespace kavrin {
namespace {

bool anyOpaque(const preview::Image& image) {
    for (size_t i = 3; i < image.rgba.size(); i += 4) {
        if (image.rgba[i] == 255) return true;
    }
    return false;
}

// One moveable of one textured quad facing the camera, with one animation of one keyframe.
struct Figure {
    std::vector<MeshInfo> meshes{1};
    std::vector<uint32_t> meshOfPointer{0};
    std::vector<ObjectTexture> textures{{.widthMinusOne = 7, .heightMinusOne = 7}};
    std::vector<uint8_t> pages = std::vector<uint8_t>(TEXTURE_PAGE_BYTES, 100);
    std::vector<Moveable> moveables{{.meshCount = 1, .firstAnimation = 0}};
    std::vector<uint32_t> animEnd{1};
    std::vector<Animation> animations{{.frameRate = 1, .frameSize = 11, .frameEnd = 3}};
    std::vector<uint16_t> frames = std::vector<uint16_t>(11, 0);
    std::vector<uint32_t> meshTrees;
    ReferenceSource source;

    Figure() {
        meshes[0].vertices = {{-100, -100, 0}, {100, -100, 0}, {100, 100, 0}, {-100, 100, 0}};
        meshes[0].polygons = {{.shape = QUAD_SHAPE, .vertices = {3, 2, 1, 0}}};
    }

    bool drawsSomething() {
        ObjectSourceBlock& b = source.block;
        b.meshInfo = meshes;
        b.meshOfPointer = meshOfPointer;
        b.textures = textures;
        b.texturePages = pages;
        b.moveables = moveables;
        b.moveableAnimEnd = animEnd;
        b.animations = animations;
        b.frames = frames;
        b.meshTrees = meshTrees;
        source.entries = {{.owner = &source, .index = 0, .isMoveable = 1}};
        return anyOpaque(preview::renderThumbnail(source.entries[0], 32));
    }
};

TEST(BrokenData, WhatCanBeDrawnIsDrawnAndNothingIsReadOutsideItsTable) {
    struct Case {
        const char* what;
        std::function<void(Figure&)> damage;
        bool drawn;
    };
    const Case cases[] = {
        {"nothing wrong", [](Figure&) {}, true},
        {"more meshes than pointers", [](Figure& f) { f.moveables[0].meshCount = 3; }, true},
        {"links past the mesh trees",
         [](Figure& f) {
             f.moveables[0].meshCount = 2, f.meshOfPointer = {0, 0};
         },
         true},
        {"a pointer to no mesh", [](Figure& f) { f.meshOfPointer = {5}; }, false},
        {"keyframes past the frames", [](Figure& f) { f.animations[0].frameOffset = 1000; }, true},
        {"a keyframe too short", [](Figure& f) { f.animations[0].frameSize = 2; }, true},
        {"no frame rate", [](Figure& f) { f.animations[0].frameRate = 0; }, true},
        {"three-axis rotation cut off", [](Figure& f) { f.frames.back() = 0x0123; }, true},
        {"animations past the table", [](Figure& f) { f.animEnd = {9}; }, true},
        {"a vertex past the vertices", [](Figure& f) { f.meshes[0].polygons[0].vertices[2] = 4; },
         false},
        {"a texture past the textures", [](Figure& f) { f.meshes[0].polygons[0].texture = 1; },
         false},
        {"a page past the pages", [](Figure& f) { f.textures[0].page = 1; }, false},
        {"a rectangle past the page's edge", [](Figure& f) { f.textures[0].x = 250; }, true},
    };
    for (const Case& c : cases) {
        Figure figure;
        c.damage(figure);
        EXPECT_EQ(figure.drawsSomething(), c.drawn) << c.what;
    }
}

TEST(BrokenData, SpriteSequencesPastTheirSpritesDrawWhatIsThere) {
    ReferenceSource source;
    std::vector<SpriteTexture> sprites(2);
    sprites[1].bytes = {250, 250, 0, 0, 0, 255, 0, 255};   // past the page's edge
    std::vector<uint8_t> page(TEXTURE_PAGE_BYTES / 2, 7);  // half a page
    std::vector<SpriteSequence> sequences{{.negativeLength = -5, .firstSprite = 0},
                                          {.negativeLength = 3, .firstSprite = 1}};
    source.block.spriteTextures = sprites;
    source.block.spriteData = page;
    source.block.spriteSequences = sequences;
    source.entries = {{.owner = &source, .index = 0, .isMoveable = 1, .kindIndex = 0},
                      {.owner = &source, .index = 1, .isMoveable = 1, .kindIndex = 1}};
    EXPECT_TRUE(anyOpaque(preview::renderThumbnail(source.entries[0], 16)));
    EXPECT_FALSE(anyOpaque(preview::renderThumbnail(source.entries[1], 16)));
}

}  // namespace
}  // namespace kavrin
