#include <gtest/gtest.h>

#include <filesystem>

#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;
using test::runCli;

const std::string DEMO = test::sourcePath("data/demo");

// Width and height from a PNG file's header.
std::pair<uint32_t, uint32_t> pngSize(const std::string& bytes) {
    auto word = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
        return value;
    };
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    return {word(16), word(20)};
}

// One thumbnail per object of the demo set, named by slot and label, the same bytes on every
// run; one object alone by its label; the contact sheet. Nothing to render fails, a wrong
// command line is a usage error.
TEST(RenderCommand, DrawsEveryObjectOfTheDemoSetAlikeOnEveryRunAndRefusesWhatItCannotDraw) {
    const std::string directory = test::makeTempDirectory("cli-render");
    const std::string set = "'" + DEMO + "/graphics/wads/demo.WAS' --trle '" + DEMO + "'";
    std::string out;
    ASSERT_EQ(runCli(directory, "render " + set + " --out a --size 64 --sheet sheet.png", out), 0)
        << out;
    std::vector<std::string> names;
    for (const auto& file : fs::directory_iterator(directory + "/a"))
        names.push_back(file.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"0-LARA.png", "156-DEMO_CRATE.png",
                                                "460-SKY_GRAPHICS.png", "463-DEFAULT_SPRITES.png",
                                                "465-DEMO_PILLAR.png"}));
    EXPECT_EQ(pngSize(test::readBytes(directory + "/a/0-LARA.png")), std::make_pair(64u, 64u));
    EXPECT_GT(pngSize(test::readBytes(directory + "/sheet.png")).first, 3 * 64u);

    std::string again;
    ASSERT_EQ(runCli(directory, "render " + set + " --out b --size 64 --object demo_pillar", again),
              0)
        << again;
    EXPECT_EQ(again, std::string("b") + PATH_SEPARATOR + "465-DEMO_PILLAR.png\n");
    EXPECT_EQ(test::readBytes(directory + "/b/465-DEMO_PILLAR.png"),
              test::readBytes(directory + "/a/465-DEMO_PILLAR.png"));

    std::string absent;
    EXPECT_EQ(runCli(directory, "render " + set + " --out c --object DEMO_SPIKES", absent), 1);
    EXPECT_EQ(absent, "Kavrin: demo.WAS holds no object labelled DEMO_SPIKES.\n");
    std::string usage;
    EXPECT_EQ(runCli(directory, "render " + set + " --out c --size 4", usage), 2);
    EXPECT_EQ(runCli(directory, "render " + set, usage), 2);
}

}  // namespace
}  // namespace kavrin
