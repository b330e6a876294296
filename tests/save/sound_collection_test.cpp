// Which sounds a saved set carries, and from which source each comes.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

// A moveable in slot 1 whose one animation runs `count` of the commands, in a set that has the
// sounds given, each with its named samples.
SyntheticSet withSounds(std::vector<std::pair<uint16_t, std::vector<std::string>>> sounds,
                        std::vector<uint16_t> commands = {}, uint16_t count = 0) {
    SyntheticSet set = test::animatedSet({1}, 1);
    set.wad.commands = std::move(commands);
    set.wad.animations[0].commandCount = count;
    for (const auto& [sound, names] : sounds) {
        set.sounds.soundMap[sound] = static_cast<uint16_t>(set.sounds.infos.size());
        set.sounds.infos.push_back(
            {static_cast<uint16_t>(set.sampleNames.size()), {1, 2, 3, 4, 5, 6}});
        for (const std::string& name : names) {
            set.sampleNames.push_back(name);
            set.sounds.sampleValues.push_back(static_cast<uint32_t>(set.sampleNames.size()));
        }
    }
    return set;
}

TEST(CollectSounds, PlayedSoundsComeFromTheirAnimationsSourceTheOthersFromTheEditedSetFirst) {
    SaveSession s;
    s.load("older", withSounds({{2, {"r2"}}, {3, {"r3"}}, {365, {"r365"}}, {369, {"r369"}}}));
    std::string edited = test::makeTempDirectory("edited");
    s.write(edited, "edited", withSounds({{0, {"e0"}}, {2, {"e2"}}, {5, {"e5"}}, {14, {"e14"}}}));
    s.session.edited.editedSource =
        loadUnlinkedWadSet(s.session, *makeFileRecord(FILE_WAS, edited, "edited"));
    ASSERT_NE(s.session.edited.editedSource, nullptr);
    // Plays 5, 368 (with flags above its number) and 14, which its own set lacks.
    SyntheticSet player = withSounds({{0, {"a0"}}, {5, {"a5x", "a5y"}}, {368, {"a368"}}},
                                     {5, 0, 5, 5, 0, 0x3000 | 368, 5, 0, 14}, 3);
    s.put(1, s.load("player", player), 0);
    // A later moveable that plays 5 from its own set leaves it to the first.
    s.put(2, s.load("later", withSounds({{5, {"l5"}}}, {5, 0, 5}, 1)), 0);
    ASSERT_TRUE(s.save());

    // 0 and 2 from the edited set, 3 and 369 (always included, unlike 365) from the one source
    // with them, 5 and 368 from the player; 14 is neither played by a source that has it nor
    // always included.
    EXPECT_EQ(s.savedFile(".SAM"), "e0\r\ne2\r\nr3\r\na5x\r\na5y\r\na368\r\nr369\r\n");
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    std::vector<uint16_t> expected(SOUND_COUNT, NO_SOUND);
    expected[0] = 0, expected[2] = 1, expected[3] = 2, expected[5] = 3, expected[368] = 4,
    expected[369] = 5;
    EXPECT_TRUE(std::ranges::equal(saved->block.soundMap, expected));
    std::vector<SoundInfo> infos;
    for (uint16_t first : {0, 1, 2, 3, 5, 6})
        infos.push_back({first, {1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(std::vector(saved->block.soundInfos.begin(), saved->block.soundInfos.end()), infos);
    EXPECT_EQ(std::vector(saved->block.samples.begin(), saved->block.samples.end()),
              (std::vector<uint32_t>{1, 2, 2, 2, 3, 4, 4}));  // the values travel with their names
}

TEST(CollectSounds, ASoundNumberPastTheMapIsReportedAndEndsTheScanButNotTheSave) {
    SaveSession s;
    // 14, after the bad number, is not taken although the set has it.
    s.put(1, s.load("a", withSounds({{14, {"a14"}}}, {5, 0, 370, 5, 0, 14}, 2)), 0);
    // The command count runs on past the end of the commands, through a cut-off play command.
    s.put(2, s.load("b", withSounds({{15, {"b15"}}}, {4, 5, 0}, 40)), 0);
    s.recording.messages.clear();
    ASSERT_TRUE(s.save());
    ASSERT_EQ(s.recording.messages.size(), 2u);
    EXPECT_EQ(s.recording.messages[0].title, "Kavrin");
    EXPECT_EQ(s.recording.messages[0].text, "Invalid sound ID #370\nThis is for an animation in " +
                                                s.session.references.back()->wadFile->path + ".\n");
    EXPECT_EQ(s.recording.messages[1].title, "Wad Saved");
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(
        std::ranges::equal(saved->block.soundMap, std::vector<uint16_t>(SOUND_COUNT, NO_SOUND)));
}

}  // namespace
}  // namespace kavrin
