#include <gtest/gtest.h>

#include <algorithm>

#include "formats/sound_files.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/sfx_file.h"
#include "support/shipped_sets.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

constexpr size_t MAP_BYTES = SOUND_COUNT * 2;

uint32_t getU32(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

void setU32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

// An SFX must be refused with one message naming the file and the section it ends in.
void expectCutInside(const std::string& sfx, const std::string& section) {
    auto parsed = test::parseAs<SoundResources>(FILE_SFX, sfx);
    EXPECT_FALSE(parsed.ok);
    ASSERT_EQ(parsed.messages.size(), 1u) << section;
    EXPECT_EQ(parsed.messages[0].title, "Kavrin");
    EXPECT_EQ(parsed.messages[0].text,
              parsed.path + " cannot be read:\nthe file ends inside " + section);
}

TEST(SfxReader, ReadsTheMapTheInfosAndTheSampleValues) {
    SoundResources empty;
    empty.soundMap.fill(NO_SOUND);
    empty.soundMap[5] = 0;
    ASSERT_EQ(test::sfxFile(empty).size(), 748u);
    auto parsedEmpty = test::parseAs<SoundResources>(FILE_SFX, test::sfxFile(empty));
    ASSERT_TRUE(parsedEmpty.ok);
    EXPECT_EQ(parsedEmpty.contents.soundMap, empty.soundMap);
    EXPECT_TRUE(parsedEmpty.contents.infos.empty() && parsedEmpty.contents.sampleValues.empty());

    SoundResources sounds;
    for (uint32_t n = 0; n < SOUND_COUNT; ++n)
        sounds.soundMap[n] = static_cast<uint16_t>(n * 7);
    sounds.infos = {{0, {1, 2, 3, 4, 5, 6}}, {3, {0xFF, 0, 0x80, 9, 8, 7}}};
    sounds.sampleValues = {0, 0xFFFFFFFF, 0x12345678, 42};
    // Bytes after the sample values belong to nothing and are left alone.
    auto parsed = test::parseAs<SoundResources>(FILE_SFX, test::sfxFile(sounds) + "xyz");
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.contents.soundMap, sounds.soundMap);
    EXPECT_EQ(parsed.contents.infos, sounds.infos);
    EXPECT_EQ(parsed.contents.sampleValues, sounds.sampleValues);
}

TEST(SfxReader, RefusesCountsThatRunPastTheEnd) {
    SoundResources sounds;
    sounds.infos.resize(2);
    sounds.sampleValues = {1, 2, 3};
    const std::string file = test::sfxFile(sounds);
    const size_t sampleCountAt = MAP_BYTES + 4 + 2 * 8;
    expectCutInside("", "the sound map");
    // One record more than the bytes after the count hold, and counts whose size overflows.
    for (uint32_t lie : {5u, 0x20000000u, 0xFFFFFFFFu}) {
        std::string infos = file;
        setU32(infos, MAP_BYTES, lie);
        expectCutInside(infos, "the sound infos");
    }
    for (uint32_t lie : {4u, 0x40000000u, 0xFFFFFFFFu}) {
        std::string samples = file;
        setU32(samples, sampleCountAt, lie);
        expectCutInside(samples, "the sample values");
    }
}

TEST(SamReader, EveryLineIsASampleNameUpTo1000Lines) {
    using Lines = std::vector<std::string>;
    auto lines = [](const std::string& text) {
        return test::parseAs<SoundNames>(FILE_SAM, text).contents.lines;
    };
    EXPECT_EQ(lines(""), Lines{});
    EXPECT_EQ(lines("a.wav\r\nb.wav\r\nc.wav\r\n"), (Lines{"a.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(lines("a.wav\r\nb.wav\r\nc.wav"), (Lines{"a.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(lines("a.wav\r\n\r\nc.wav\r\n"), (Lines{"a.wav", "", "c.wav"}));
    EXPECT_EQ(lines("a.wav\r\r\nb.wav\r"), (Lines{"a.wav", "", "b.wav"}));
    EXPECT_EQ(lines("a.wav\nb.wav\n"), (Lines{"a.wav\nb.wav\n"}));

    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "s" + std::to_string(i) + ".wav\r\n";
    EXPECT_EQ(lines(text).size(), 1000u);
    auto over = test::parseAs<SoundNames>(FILE_SAM, text + "\r\n");
    EXPECT_FALSE(over.ok);
    ASSERT_EQ(over.messages.size(), 1u);
    EXPECT_EQ(over.messages[0].title, "Kavrin Internal Error");
    EXPECT_EQ(over.messages[0].text, "Number of lines in " + over.path + " exceeds 1000!");
}

class RealSoundFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string trle = test::realTrleDirectory();
        KAVRIN_REQUIRE_DATA(trle);
        wads = trle + PATH_SEPARATOR + "graphics" + PATH_SEPARATOR + "wads";
    }
    std::string bytesOf(uint32_t type, const char* name) {
        return test::readBytes(resolveExistingPath(makeFileRecord(type, wads, name)->path));
    }
    std::string wads;
};

TEST_F(RealSoundFiles, EverySetsSfxAndSamLoadAndAgree) {
    for (const char* name : test::SHIPPED_WAD_SETS) {
        auto sfx = test::loadAs<SoundResources>(FILE_SFX, wads, name);
        auto sam = test::loadAs<SoundNames>(FILE_SAM, wads, name);
        ASSERT_TRUE(sfx.ok && sam.ok) << name;
        std::string sfxBytes = bytesOf(FILE_SFX, name);
        EXPECT_EQ(sfx.contents.infos.size(), getU32(sfxBytes, MAP_BYTES)) << name;
        EXPECT_EQ(sfxBytes.size(), MAP_BYTES + 4 + 8 * sfx.contents.infos.size() + 4 +
                                       4 * sfx.contents.sampleValues.size())
            << name << ": the walk must end exactly at the end of the file";
        std::string samBytes = bytesOf(FILE_SAM, name);
        EXPECT_EQ(sam.contents.lines.size(),
                  size_t(std::count(samBytes.begin(), samBytes.end(), '\r')));
        EXPECT_EQ(sfx.contents.sampleValues.size(), sam.contents.lines.size()) << name;
    }
    auto tut1 = test::loadAs<SoundResources>(FILE_SFX, wads, "tut1");
    EXPECT_EQ(tut1.contents.infos.size(), 122u);
    EXPECT_EQ(tut1.contents.sampleValues.size(), 144u);
    auto tut1Names = test::loadAs<SoundNames>(FILE_SAM, wads, "tut1");
    ASSERT_EQ(tut1Names.contents.lines.size(), 144u);
    EXPECT_EQ(tut1Names.contents.lines.front(), "foot01.wav");
    EXPECT_EQ(tut1Names.contents.lines.back(), "clk_swt.wav");
}

// A cut SFX is refused at the section it ends in; a cut SAM is a shorter list, the cut line
// included.
TEST_F(RealSoundFiles, ACutSfxIsRefusedAndACutSamIsShorter) {
    for (const char* name : test::SHIPPED_WAD_SETS) {
        std::string sfx = bytesOf(FILE_SFX, name);
        size_t samplesAt = MAP_BYTES + 4 + 8 * size_t(getU32(sfx, MAP_BYTES));
        struct Cut {
            size_t at;
            const char* section;
        } cuts[] = {{0, "the sound map"},
                    {MAP_BYTES - 1, "the sound map"},
                    {MAP_BYTES, "the sound info count"},
                    {MAP_BYTES + 2, "the sound info count"},
                    {MAP_BYTES + 4, "the sound infos"},
                    {samplesAt - 3, "the sound infos"},
                    {samplesAt, "the sample count"},
                    {samplesAt + 1, "the sample count"},
                    {samplesAt + 4, "the sample values"},
                    {sfx.size() - 1, "the sample values"}};
        for (const Cut& cut : cuts)
            expectCutInside(sfx.substr(0, cut.at), cut.section);

        std::string sam = bytesOf(FILE_SAM, name);
        size_t second = sam.find("\r\n") + 2;
        for (size_t cut : {size_t{1}, second - 1, second, second + 1, sam.size() / 2}) {
            std::string part = sam.substr(0, cut);
            size_t lineEnds = std::count(part.begin(), part.end(), '\r');
            bool cutLine = part.back() != '\r' && !part.ends_with("\r\n");
            auto parsed = test::parseAs<SoundNames>(FILE_SAM, part);
            EXPECT_TRUE(parsed.ok && parsed.messages.empty()) << name << " cut at " << cut;
            EXPECT_EQ(parsed.contents.lines.size(), lineEnds + (cutLine ? 1 : 0)) << name << cut;
        }
    }
}

}  // namespace
}  // namespace kavrin
