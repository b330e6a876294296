#include <gtest/gtest.h>

#include "formats/sound_files.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

constexpr size_t MAP_BYTES = SOUND_COUNT * 2;

// An SFX must be refused with one message naming the file and the section it ends in.
void expectCutInside(std::span<const uint8_t> sfx, const std::string& section) {
    EXPECT_EQ(test::refusal(test::parseAs<SoundResources>(FILE_SFX, sfx)),
              "Kavrin: @ cannot be read:\nthe file ends inside " + section);
}

TEST(SamReader, EveryLineIsASampleNameUpTo1000Lines) {
    auto read = test::parseAs<SoundNames>(FILE_SAM, std::string("a.wav\r\n\r\nc.wav"));
    EXPECT_EQ(read.contents.lines, (std::vector<std::string>{"a.wav", "", "c.wav"}));
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "s" + std::to_string(i) + ".wav\r\n";
    EXPECT_EQ(test::parseAs<SoundNames>(FILE_SAM, text).contents.lines.size(), 1000u);
    EXPECT_EQ(test::refusal(test::parseAs<SoundNames>(FILE_SAM, text + "\r\n")),
              "Kavrin: Number of lines in @ exceeds 1000!");
}

// Every set's SFX reads exactly to its end, its SAM names as many samples, a cut SFX is refused
// at the section it ends in and a cut SAM is a shorter list.
TEST(RealSoundFiles, EverySetsSfxAndSamLoadAgreeAndRefuseCuts) {
    std::string wads = test::testDataPath("trle/graphics/wads");
    KAVRIN_REQUIRE_DATA(wads);
    for (const char* name : test::SHIPPED_WAD_SETS) {
        SCOPED_TRACE(name);
        auto sfx = test::loadAs<SoundResources>(FILE_SFX, wads, name);
        auto sam = test::loadAs<SoundNames>(FILE_SAM, wads, name);
        ASSERT_TRUE(sfx.ok && sam.ok);
        std::string bytes = test::readBytes(resolveExistingPath(sfx.path));
        const size_t samplesAt = MAP_BYTES + 4 + 8 * sfx.contents.infos.size();
        EXPECT_EQ(bytes.size(), samplesAt + 4 + 4 * sfx.contents.sampleValues.size());
        EXPECT_EQ(sfx.contents.sampleValues.size(), sam.contents.lines.size());
        const std::pair<size_t, const char*> cuts[] = {{MAP_BYTES - 1, "the sound map"},
                                                       {MAP_BYTES + 2, "the sound info count"},
                                                       {samplesAt - 3, "the sound infos"},
                                                       {samplesAt + 1, "the sample count"},
                                                       {bytes.size() - 1, "the sample values"}};
        for (const auto& [at, section] : cuts)
            expectCutInside(test::textBytes(std::string_view(bytes).substr(0, at)), section);
        // A SAM cut inside its second line is a list of two names.
        std::string names = test::readBytes(resolveExistingPath(sam.path));
        auto cut = test::parseAs<SoundNames>(FILE_SAM, names.substr(0, names.find("\r\n") + 3));
        EXPECT_TRUE(cut.ok && cut.messages.empty());
        EXPECT_EQ(
            cut.contents.lines,
            (std::vector<std::string>{sam.contents.lines[0], sam.contents.lines[1].substr(0, 1)}));
    }
}

}  // namespace
}  // namespace kavrin
