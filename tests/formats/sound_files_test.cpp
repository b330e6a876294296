#include <gtest/gtest.h>

#include <algorithm>

#include "formats/sound_files.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/file_bytes.h"
#include "support/memory_record.h"
#include "support/recording_ui.h"
#include "support/sfx_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

const char* const SET_NAMES[] = {"tut1",     "karnak",   "title",   "coastal", "settomb",
                                 "angkor",   "catacomb", "cleopal", "city"};

template <class Contents>
struct Parsed {
    bool ok = false;
    Contents contents;
    std::vector<test::RecordedMessage> messages;
    std::string path;
};

template <class Contents>
Parsed<Contents> parseBytes(uint32_t type, const std::string& bytes) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto record = test::recordHolding(type, bytes);
    Parsed<Contents> result;
    result.ok = test::parseRecord(*record, context);
    if (const auto* contents = std::any_cast<Contents>(&record->contents)) result.contents = *contents;
    result.messages = rec.messages;
    result.path = record->path;
    return result;
}

void setU32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

uint32_t getU32(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

constexpr size_t MAP_BYTES = SOUND_COUNT * 2;

TEST(SfxReader, ReadsTheMapTheInfosAndTheSampleValues) {
    SoundResources empty;
    empty.soundMap.fill(NO_SOUND);
    empty.soundMap[5] = 0;
    std::string emptyFile = test::sfxFile(empty);
    ASSERT_EQ(emptyFile.size(), 748u);
    auto parsedEmpty = parseBytes<SoundResources>(FILE_SFX, emptyFile);
    ASSERT_TRUE(parsedEmpty.ok);
    EXPECT_EQ(parsedEmpty.contents.soundMap, empty.soundMap);
    EXPECT_TRUE(parsedEmpty.contents.infos.empty());
    EXPECT_TRUE(parsedEmpty.contents.sampleValues.empty());

    SoundResources sounds;
    for (uint32_t n = 0; n < SOUND_COUNT; ++n) sounds.soundMap[n] = static_cast<uint16_t>(n * 7);
    sounds.soundMap[369] = NO_SOUND;
    sounds.infos = {{0, {1, 2, 3, 4, 5, 6}}, {3, {0xFF, 0, 0x80, 9, 8, 7}}};
    sounds.sampleValues = {0, 0xFFFFFFFF, 0x12345678, 42};
    // Bytes after the sample values belong to nothing and are left alone.
    auto parsed = parseBytes<SoundResources>(FILE_SFX, test::sfxFile(sounds) + "xyz");
    ASSERT_TRUE(parsed.ok);
    EXPECT_TRUE(parsed.messages.empty());
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

    struct Case {
        std::string bytes;
        const char* section;
    };
    std::vector<Case> cases = {
        {"", "the sound map"},
        {file.substr(0, MAP_BYTES - 1), "the sound map"},
        {file.substr(0, MAP_BYTES + 3), "the sound info count"},
        {file.substr(0, sampleCountAt + 2), "the sample count"},
        {file.substr(0, file.size() - 1), "the sample values"},
    };
    // One record more than the bytes after the count hold, and counts whose size overflows.
    for (uint32_t lie : {5u, 0x20000000u, 0xFFFFFFFFu}) {
        std::string infos = file;
        setU32(infos, MAP_BYTES, lie);
        cases.push_back({infos, "the sound infos"});
    }
    for (uint32_t lie : {4u, 0x40000000u, 0xFFFFFFFFu}) {
        std::string samples = file;
        setU32(samples, sampleCountAt, lie);
        cases.push_back({samples, "the sample values"});
    }
    for (const Case& c : cases) {
        auto parsed = parseBytes<SoundResources>(FILE_SFX, c.bytes);
        EXPECT_FALSE(parsed.ok) << c.section;
        ASSERT_EQ(parsed.messages.size(), 1u) << c.section;
        EXPECT_EQ(parsed.messages[0].title, "Kavrin");
        EXPECT_EQ(parsed.messages[0].text,
                  parsed.path + " cannot be read:\nthe file ends inside " + c.section);
    }
}

TEST(SamReader, EveryLineIsASampleNameEmptyOrNot) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a.wav\r\nb.wav\r\nc.wav\r\n", {"a.wav", "b.wav", "c.wav"}},
        {"a.wav\r\nb.wav\r\nc.wav", {"a.wav", "b.wav", "c.wav"}},
        {"a.wav\r\n\r\nc.wav\r\n", {"a.wav", "", "c.wav"}},
        {"a.wav\r\r\nb.wav\r", {"a.wav", "", "b.wav"}},
        {"a.wav\nb.wav\n", {"a.wav\nb.wav\n"}},
    };
    for (const Case& c : cases) {
        auto parsed = parseBytes<SoundNames>(FILE_SAM, c.text);
        EXPECT_TRUE(parsed.ok) << c.text;
        EXPECT_EQ(parsed.contents.lines, c.lines) << c.text;
    }
}

TEST(SamReader, Reads1000LinesAndRefusesMore) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "s" + std::to_string(i) + ".wav\r\n";
    auto full = parseBytes<SoundNames>(FILE_SAM, text);
    ASSERT_TRUE(full.ok);
    ASSERT_EQ(full.contents.lines.size(), 1000u);
    EXPECT_EQ(full.contents.lines[999], "s999.wav");

    auto over = parseBytes<SoundNames>(FILE_SAM, text + "\r\n");
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
        wads = trle + "/graphics/wads";
    }

    template <class Contents>
    Contents load(uint32_t type, const std::string& name) {
        ParseContext context{rec.ui};
        auto record = makeFileRecord(type, wads, name);
        EXPECT_TRUE(loadFile(*record, context)) << record->path;
        bytes = std::string(record->text());
        const auto* contents = std::any_cast<Contents>(&record->contents);
        return contents ? *contents : Contents{};
    }

    std::string wads;
    std::string bytes;  // of the file loaded last
    test::RecordingUi rec;
};

TEST_F(RealSoundFiles, EverySetsSfxAndSamLoadAndAgree) {
    for (const char* name : SET_NAMES) {
        SoundResources sounds = load<SoundResources>(FILE_SFX, name);
        EXPECT_EQ(bytes.size(), MAP_BYTES + 4 + 8 * sounds.infos.size() + 4 +
                                    4 * sounds.sampleValues.size())
            << name << ": the walk must end exactly at the end of the file";
        EXPECT_EQ(sounds.infos.size(), getU32(bytes, MAP_BYTES)) << name;
        SoundNames names = load<SoundNames>(FILE_SAM, name);
        EXPECT_EQ(names.lines.size(), size_t(std::count(bytes.begin(), bytes.end(), '\r'))) << name;
        EXPECT_EQ(sounds.sampleValues.size(), names.lines.size()) << name;
    }
    EXPECT_TRUE(rec.messages.empty());

    SoundResources tut1 = load<SoundResources>(FILE_SFX, "tut1");
    EXPECT_EQ(tut1.infos.size(), 122u);
    EXPECT_EQ(tut1.sampleValues.size(), 144u);
    SoundNames tut1Names = load<SoundNames>(FILE_SAM, "tut1");
    ASSERT_EQ(tut1Names.lines.size(), 144u);
    EXPECT_EQ(tut1Names.lines.front(), "foot01.wav");
    EXPECT_EQ(tut1Names.lines.back(), "clk_swt.wav");
}

// Cuts at the section borders and inside each count and table.
std::vector<size_t> sfxCuts(const std::string& sfx) {
    size_t samplesAt = MAP_BYTES + 4 + 8 * size_t(getU32(sfx, MAP_BYTES));
    return {0, 1, MAP_BYTES - 1, MAP_BYTES, MAP_BYTES + 2, MAP_BYTES + 4, samplesAt - 3,
            samplesAt, samplesAt + 1, samplesAt + 4, sfx.size() - 5, sfx.size() - 1};
}

const char* sectionAt(const std::string& sfx, size_t cut) {
    size_t samplesAt = MAP_BYTES + 4 + 8 * size_t(getU32(sfx, MAP_BYTES));
    if (cut < MAP_BYTES) return "the sound map";
    if (cut < MAP_BYTES + 4) return "the sound info count";
    if (cut < samplesAt) return "the sound infos";
    if (cut < samplesAt + 4) return "the sample count";
    return "the sample values";
}

TEST_F(RealSoundFiles, ACutSfxIsRefusedNamingTheSectionItEndsIn) {
    std::string dir = test::makeTempDirectory("sfx-cut");
    for (const char* name : SET_NAMES) {
        std::string sfx = test::readBytes(resolveExistingPath(makeFileRecord(FILE_SFX, wads, name)->path));
        ASSERT_GT(sfx.size(), MAP_BYTES + 4) << name;
        for (size_t cut : sfxCuts(sfx)) {
            test::RecordingUi cutRec;
            ParseContext context{cutRec.ui};
            auto record = makeFileRecord(FILE_SFX, dir, name + std::to_string(cut));
            EXPECT_FALSE(test::loadWritten(*record, sfx.substr(0, cut), context));
            EXPECT_EQ(cutRec.onlyMessage().text, record->path +
                                                     " cannot be read:\nthe file ends inside " +
                                                     sectionAt(sfx, cut))
                << name << " cut at " << cut;
        }
    }
}

// A cut SAM is a shorter list: every line before the cut, the cut one included.
TEST_F(RealSoundFiles, ACutSamKeepsTheLinesBeforeTheCut) {
    std::string dir = test::makeTempDirectory("sam-cut");
    for (const char* name : SET_NAMES) {
        std::string sam = test::readBytes(resolveExistingPath(makeFileRecord(FILE_SAM, wads, name)->path));
        ASSERT_FALSE(sam.empty()) << name;
        size_t secondLine = sam.find("\r\n") + 2;
        for (size_t cut : {size_t{0}, size_t{1}, secondLine - 1, secondLine, sam.size() / 2,
                           sam.size() - 1}) {
            std::string part = sam.substr(0, cut);
            size_t lineEnds = std::count(part.begin(), part.end(), '\r');
            bool cutLine = !part.empty() && part.back() != '\r' &&
                           !(part.back() == '\n' && part.size() > 1 && part[part.size() - 2] == '\r');
            test::RecordingUi cutRec;
            ParseContext context{cutRec.ui};
            auto record = makeFileRecord(FILE_SAM, dir, name + std::to_string(cut));
            ASSERT_TRUE(test::loadWritten(*record, part, context)) << name << " cut at " << cut;
            EXPECT_TRUE(cutRec.messages.empty());
            EXPECT_EQ(std::any_cast<const SoundNames&>(record->contents).lines.size(),
                      lineEnds + (cutLine ? 1 : 0))
                << name << " cut at " << cut;
        }
    }
}

}  // namespace
}  // namespace kavrin
