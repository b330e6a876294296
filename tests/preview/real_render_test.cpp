// Rendering the Level Editor's own objects: what must look the same does, to the pixel, and a
// posed figure stands as it should.
#include <gtest/gtest.h>

#include <map>

#include "editing/reference_collection.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "level/level_conversion.h"
#include "level/level_reader.h"
#include "preview/object_render.h"
#include "preview/texture_mapping.h"
#include "support/parsed_file.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

constexpr int SIZE = 128;

struct RealRender : test::RealSession {
    // Renders every object of `source` and of `other` that fill the same slot as objects of the
    // same kind; returns how many pairs there were, and fails for each pair that differs.
    int expectSamePixels(const ReferenceSource& source, const ReferenceSource& other) {
        std::map<std::pair<uint32_t, bool>, const ObjectEntry*> others;
        for (const ObjectEntry& entry : other.entries)
            others[{entry.slot, preview::isSpriteSequence(entry)}] = &entry;
        int pairs = 0;
        for (const ObjectEntry& entry : source.entries) {
            auto found = others.find({entry.slot, preview::isSpriteSequence(entry)});
            if (found == others.end()) continue;
            ++pairs;
            EXPECT_TRUE(preview::renderThumbnail(entry, SIZE).rgba ==
                        preview::renderThumbnail(*found->second, SIZE).rgba)
                << slotName(session, entry.slot);
        }
        return pairs;
    }
};

// title.tr4 was compiled from title's set: its objects, converted, look like the set's own.
TEST_F(RealRender, TheTitleLevelsObjectsLookLikeThoseOfTheSetItWasBuiltFrom) {
    ReferenceSource* wad = loadShipped("title");
    ReferenceSource* level = loadLevelReference(
        session, fileRecordForPath(FILE_LEVEL_REFERENCE, trle + "/data/title.tr4"));
    ASSERT_TRUE(wad && level);
    EXPECT_EQ(expectSamePixels(*level, *wad), 72);  // 49 moveables, 23 static meshes
}

// A level names each polygon's texture corners one by one; converted, it names a rectangle and
// flags, as a WAD does. The corners the flags call for are the level's own, for every polygon of
// title.tr4.
TEST(TextureMapping, TheCornersOfEveryTitleLevelPolygonFollowFromItsWadRectangleAndFlags) {
    const std::string path = test::testDataPath("trle/data/title.tr4");
    KAVRIN_REQUIRE_DATA(path);
    test::ParsedFile<LevelRecord> parsed =
        test::loadAs<LevelRecord>(FILE_LEVEL_REFERENCE, test::testDataPath("trle/data"), "title");
    ASSERT_TRUE(parsed.ok);
    LevelRecord& level = parsed.contents;
    std::vector<std::vector<uint16_t>> levelTextures;
    for (const MeshInfo& mesh : level.meshes) {
        levelTextures.emplace_back();
        for (const PolygonRef& polygon : mesh.polygons)
            levelTextures.back().push_back(polygon.texture);
    }
    test::RecordingUi ui;
    ConvertedLevel converted;
    const ObjectSourceBlock block = convertLevel(ui.ui, level, converted);

    int polygons = 0;
    for (size_t m = 0; m < level.meshes.size(); ++m) {
        for (size_t p = 0; p < level.meshes[m].polygons.size(); ++p, ++polygons) {
            const PolygonRef& polygon = level.meshes[m].polygons[p];
            const LevelObjectTexture& own = level.objectTextures[levelTextures[m][p]];
            std::optional<preview::PolygonTexture> mapped =
                preview::polygonTexture(block.textures, polygon);
            ASSERT_TRUE(mapped);
            EXPECT_EQ(mapped->page, own.page());
            for (int i = 0; i < polygon.cornerCount(); ++i) {
                const LevelObjectTexture::Corner& corner = own.corners[i];
                EXPECT_EQ(mapped->corners[i].u, corner.xPixel + (corner.xMarker == 255 ? 1 : 0))
                    << "mesh " << m << " polygon " << p << " corner " << i;
                EXPECT_EQ(mapped->corners[i].v, corner.yPixel + (corner.yMarker == 255 ? 1 : 0))
                    << "mesh " << m << " polygon " << p << " corner " << i;
            }
        }
    }
    EXPECT_GT(polygons, 6000);
}

// LARA of tut1 in the first frame of her first animation: her head (mesh 14) above her feet
// (meshes 3 and 6), her thumbnail as tall as the fit allows and filled in a sensible share; and a
// frame between two keyframes puts her halfway between them.
TEST_F(RealRender, LaraOfTut1StandsUprightAndMovesBetweenKeyframes) {
    ReferenceSource* set = loadShipped("tut1");
    ASSERT_NE(set, nullptr);
    const ObjectEntry& lara = set->entries[0];
    ASSERT_EQ(slotName(session, lara.slot), "LARA");
    const preview::Pose pose = preview::poseEntry(lara, 0, 0.0);
    ASSERT_EQ(pose.size(), 15u);
    const double head = pose[14].transform.m[1][3];
    EXPECT_LT(head, pose[3].transform.m[1][3] - 500);
    EXPECT_LT(head, pose[6].transform.m[1][3] - 500);

    const preview::Image image = preview::renderThumbnail(lara, SIZE);
    int filled = 0, top = SIZE, bottom = 0;
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            if (!image.pixel(x, y)[3]) continue;
            ++filled;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(bottom - top, SIZE * 8 / 10);
    EXPECT_GT(filled, SIZE * SIZE / 10);
    EXPECT_LT(filled, SIZE * SIZE / 2);

    const ObjectSourceBlock& block = set->block;
    const preview::AnimationRange range = preview::moveableAnimations(block, lara.kindIndex);
    uint32_t a = range.first;
    while (a < range.end && block.animations[a].frameRate < 2)
        ++a;
    ASSERT_LT(a, range.end);
    const Animation& animation = block.animations[a];
    auto rootOffset = [&](uint32_t keyframe, size_t axis) {
        const size_t at = animation.frameOffset / 2 + size_t{keyframe} * animation.frameSize + 6;
        return static_cast<int16_t>(block.frames[at + axis]);
    };
    const preview::Pose between =
        preview::poseEntry(lara, a - range.first, animation.frameRate / 2.0);
    for (size_t axis : {0, 1, 2}) {
        EXPECT_DOUBLE_EQ(between[0].transform.m[axis][3],
                         (rootOffset(0, axis) + rootOffset(1, axis)) / 2.0);
    }
}

}  // namespace
}  // namespace kavrin
