// Extraction on real files: every page written reads back (through stb_image, or the program's
// own WAD reader) as the pixels the program's readers give for that page.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/image_files.h"
#include "level/level_conversion.h"
#include "level/level_reader.h"
#include "support/parsed_file.h"
#include "support/test_data.h"
#include "texture/extract_command.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// What a written file holds, as 24-bit pixels with FF00FF where alpha is 0.
std::vector<uint8_t> readBack(const std::string& path, size_t* transparent = nullptr) {
    std::string bytes = test::readBytes(path);
    if (path.ends_with(".raw")) return {bytes.begin(), bytes.end()};
    if (path.ends_with(".WAD"))
        return test::parseAs<ObjectWad>(FILE_WAD, bytes).contents.texturePages;
    ImagePixels image;
    std::string problem;
    EXPECT_TRUE(decodeImageFile(test::textBytes(bytes), 1 << 26, image, problem)) << path;
    std::vector<uint8_t> rgb;
    for (size_t i = 0; i < image.bytes.size(); i += 4) {
        const bool clear = image.bytes[i + 3] == 0;
        if (clear && transparent) ++*transparent;
        rgb.insert(rgb.end(),
                   {clear ? uint8_t{0xFF} : image.bytes[i], clear ? uint8_t{0} : image.bytes[i + 1],
                    clear ? uint8_t{0xFF} : image.bytes[i + 2]});
    }
    return rgb;
}

struct Extraction {
    test::RecordingUi recording;
    ExtractionSettings settings;
    ExtractionChoices choices;
    std::vector<std::string> written;

    Extraction(uint32_t input, uint32_t output) {
        settings.inputType = input;
        settings.outputType = output;
        settings.outputDirectory = test::makeTempDirectory("extract");
    }
    bool run(const std::string& path) {
        return extractTextures(recording.ui, path, settings, choices, &written);
    }
};

TEST(Extraction, EveryPageOfTheTitleLevelReadsBackAsTheLevelReaderSawIt) {
    const std::string path = test::testDataPath("trle/data/title.tr4");
    KAVRIN_REQUIRE_DATA(path);
    auto level =
        test::loadAs<LevelRecord>(FILE_LEVEL_REFERENCE, test::testDataPath("trle/data"), "title");
    test::RecordingUi quiet;
    const std::vector<uint8_t> pages32 = convertBitmap(quiet.ui, level.contents.texturePages32);

    Extraction extraction(INPUT_LEVEL, OUTPUT_TARGA);
    extraction.choices.rleCompression = true;
    ASSERT_TRUE(extraction.run(path));
    ASSERT_EQ(extraction.written.size(), 32u);  // 15 pages of 32 bits, 15 of 16, 2 misc
    EXPECT_EQ(extraction.recording.onlyMessage().text,
              "Extracted 32 pages to " + extraction.settings.outputDirectory +
                  ":\ntitle-32bit-00.tga to title-misc-01.tga (32 files).");
    std::vector<uint8_t> read32, read16;
    size_t transparent = 0;
    for (size_t i = 0; i < 15; ++i) {
        std::vector<uint8_t> page = readBack(extraction.written[i], &transparent);
        read32.insert(read32.end(), page.begin(), page.end());
        page = readBack(extraction.written[15 + i]);
        read16.insert(read16.end(), page.begin(), page.end());
    }
    EXPECT_TRUE(read32 == pages32);
    EXPECT_EQ(transparent, 152398u);  // the pixels of alpha 0 in the level
    // The 16-bit pages are the same pictures in 5 bits a channel, widened to 8 bits again.
    ASSERT_EQ(read16.size(), pages32.size());
    size_t differing = 0;
    for (size_t i = 0; i < read16.size(); ++i)
        differing += read16[i] != ((pages32[i] & 0xF8) | (pages32[i] >> 5));
    EXPECT_EQ(differing, 0u);
}

TEST(Extraction, Tut1PagesAndItsSpritePageReadBackInEachOutputType) {
    const std::string wads = test::testDataPath("trle/graphics/wads");
    const std::string wadPath = wads + "/tut1.WAD", swdPath = wads + "/tut1.SWD";
    KAVRIN_REQUIRE_DATA(wads);
    const std::vector<uint8_t> wadPages =
        test::loadAs<ObjectWad>(FILE_WAD, wads, "tut1").contents.texturePages;
    const std::vector<uint8_t> spritePage =
        test::loadAs<SpriteWad>(FILE_SWD, wads, "tut1").contents.page;
    const struct {
        uint32_t input, output;
        size_t files;
    } cases[] = {
        {INPUT_OBJECT_WAD, OUTPUT_TARGA, 11},
        {INPUT_OBJECT_WAD, OUTPUT_RAW_IMAGE, 11},
        {INPUT_OBJECT_WAD, OUTPUT_ROOM_EDITOR_TEXTURE, 1},
        {INPUT_OBJECT_WAD, OUTPUT_OBJECT_WAD, 5},
        {INPUT_SPRITE_WAD, OUTPUT_PNG, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.input) + " as " + std::to_string(c.output));
        Extraction extraction(c.input, c.output);
        ASSERT_TRUE(extraction.run(c.input == INPUT_OBJECT_WAD ? wadPath : swdPath));
        ASSERT_EQ(extraction.written.size(), c.files);
        EXPECT_TRUE(c.files != 1 ||  // a single file: the report names it
                    extraction.recording.onlyMessage().text.find(
                        ":\n" + fs::path(extraction.written[0]).filename().string() + ".") !=
                        std::string::npos);
        std::vector<uint8_t> read;
        for (const std::string& file : extraction.written) {
            // The other files of a WAD set hold no pages.
            if (c.output == OUTPUT_OBJECT_WAD && !file.ends_with(".WAD")) continue;
            std::vector<uint8_t> bytes = readBack(file);
            read.insert(read.end(), bytes.begin(), bytes.end());
        }
        EXPECT_TRUE(read == (c.input == INPUT_OBJECT_WAD ? wadPages : spritePage));
    }
}

TEST(Extraction, AnOutputTheInputCannotMakeOrARawImageOfTheWrongSizeWritesNothing) {
    const std::string level = test::testDataPath("trle/data/title.tr4");
    KAVRIN_REQUIRE_DATA(level);
    const struct {
        uint32_t input, output;
        std::string path, message;
    } cases[] = {
        {INPUT_LEVEL, OUTPUT_SPRITE_WAD, level,
         "A Sprite WAD (.SWD) cannot be made from title.tr4.\n\nA Sprite WAD (.SWD) is made from "
         "a raw or Targa image of at most 256 x 256 pixels;"},
        {INPUT_RAW_IMAGE, OUTPUT_TARGA, level,
         level + " cannot be read:\nit holds " + std::to_string(fs::file_size(level)) +
             " bytes, but a 1 x 1 image of 8-bit (Grayscale) pixels takes 1"},
    };
    for (const auto& c : cases) {
        Extraction extraction(c.input, c.output);
        EXPECT_FALSE(extraction.run(c.path));
        EXPECT_TRUE(extraction.recording.onlyMessage().text.starts_with(c.message))
            << extraction.recording.onlyMessage().text;
        EXPECT_TRUE(fs::is_empty(extraction.settings.outputDirectory));
    }
}

}  // namespace
}  // namespace kavrin
