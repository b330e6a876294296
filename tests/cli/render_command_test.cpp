#include <gtest/gtest.h>

#include <filesystem>

#include "framework/image_files.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/run_cli.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::runCli;

const std::string DEMO = test::sourcePath("data/demo");

// Width and height of an image file, as the program's image reader finds them.
std::pair<uint32_t, uint32_t> imageSize(const std::string& path) {
    ImagePixels image;
    std::string problem;
    EXPECT_TRUE(decodeImageFile(test::textBytes(test::readBytes(path)), 1 << 24, image, problem));
    return {image.width, image.height};
}

// One thumbnail per object of the demo set, named by slot and label, the same bytes on every
// run; one object alone by its label; the contact sheet. Nothing to render fails, a wrong
// command line is a usage error.
TEST(RenderCommand, DrawsEveryObjectOfTheDemoSetAlikeOnEveryRunAndRefusesWhatItCannotDraw) {
    const std::string directory = test::makeTempDirectory("cli-render");
    const std::string set = "'" + DEMO + "/graphics/wads/demo.WAS' --trle '" + DEMO + "'";
    const CliRun all = runCli(directory, "render " + set + " --out a --size 64 --sheet sheet.png");
    ASSERT_EQ(all.code, 0) << all;
    std::vector<std::string> names;
    for (const auto& file : fs::directory_iterator(directory + "/a"))
        names.push_back(file.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"0-LARA.png", "156-DEMO_CRATE.png", "460-SKY_GRAPHICS.png",
                                        "463-DEFAULT_SPRITES.png", "465-DEMO_PILLAR.png"}));
    EXPECT_EQ(imageSize(directory + "/a/0-LARA.png"), std::make_pair(64u, 64u));
    EXPECT_GT(imageSize(directory + "/sheet.png").first, 3 * 64u);

    EXPECT_EQ(runCli(directory, "render " + set + " --out b --size 64 --object demo_pillar"),
              (CliRun{0, std::string("b") + PATH_SEPARATOR + "465-DEMO_PILLAR.png\n"}));
    EXPECT_EQ(test::readBytes(directory + "/b/465-DEMO_PILLAR.png"),
              test::readBytes(directory + "/a/465-DEMO_PILLAR.png"));

    EXPECT_EQ(runCli(directory, "render " + set + " --out c --object DEMO_SPIKES"),
              (CliRun{1, "Kavrin: demo.WAS holds no object labelled DEMO_SPIKES.\n"}));
    EXPECT_EQ(runCli(directory, "render " + set + " --out c --size 4").code, 2);
    EXPECT_EQ(runCli(directory, "render " + set).code, 2);
}

}  // namespace
}  // namespace kavrin
