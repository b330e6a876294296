// Which sounds a saved set carries, and from which source each comes.
#include <gtest/gtest.h>

#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

// Gives the set the sounds, each with the named samples, in the order given.
void addSounds(SyntheticSet& set, const std::vector<std::pair<uint16_t, std::vector<std::string>>>& sounds) {
    for (const auto& [sound, names] : sounds) {
        set.sounds.soundMap[sound] = static_cast<uint16_t>(set.sounds.infos.size());
        set.sounds.infos.push_back(test::soundInfo(static_cast<uint16_t>(set.sampleNames.size())));
        for (const std::string& name : names) {
            set.sampleNames.push_back(name);
            set.sounds.sampleValues.push_back(static_cast<uint32_t>(set.sampleNames.size()));
        }
    }
}

// A moveable in slot 1 with one animation running the commands.
SyntheticSet playing(std::vector<uint16_t> commands, uint16_t commandCount) {
    SyntheticSet set;
    set.wad = test::animatedWad({1}, 1);
    set.wad.commands = std::move(commands);
    set.wad.animations[0].commandCount = commandCount;
    return set;
}

std::vector<uint16_t> soundMap(const std::string& sfx) {
    std::vector<uint16_t> map;
    for (size_t i = 0; i < 370; ++i) {
        map.push_back(static_cast<uint16_t>(static_cast<uint8_t>(sfx[2 * i]) |
                                            static_cast<uint8_t>(sfx[2 * i + 1]) << 8));
    }
    return map;
}

TEST(CollectSounds, PlayedSoundsComeFromTheirAnimationsSourceTheOthersFromTheEditedSetFirst) {
    SaveSession s;
    SyntheticSet older;
    addSounds(older, {{2, {"r2"}}, {3, {"r3"}}});
    s.load("older", older);
    SyntheticSet edited;
    addSounds(edited, {{0, {"e0"}}, {2, {"e2"}}, {5, {"e5"}}, {14, {"e14"}}});
    std::string editedDirectory = test::makeTempDirectory("edited");
    test::writeSyntheticSet(editedDirectory, "edited", edited, s.catalogue);
    s.session.edited.editedSource =
        loadUnlinkedWadSet(s.session, *makeFileRecord(FILE_WAS, editedDirectory, "edited"));
    ASSERT_NE(s.session.edited.editedSource, nullptr);
    // Plays 5, 369 and 14 (which its own set lacks); has 0 as well.
    SyntheticSet player = playing({5, 0, 5, 5, 0, 0x3000 | 369, 5, 0, 14}, 3);
    addSounds(player, {{0, {"a0"}}, {5, {"a5x", "a5y"}}, {369, {"a369"}}});
    s.put(1, s.load("player", player), 0);
    ASSERT_TRUE(s.save());

    // 0 and 2 from the edited set, 3 from the only source with it, 5 and 369 from the player;
    // 14 is neither played by a source that has it nor always included.
    EXPECT_EQ(s.savedFile(".SAM"), "e0\r\ne2\r\nr3\r\na5x\r\na5y\r\na369\r\n");
    std::vector<uint16_t> expected(370, NO_SOUND);
    expected[0] = 0;
    expected[2] = 1;
    expected[3] = 2;
    expected[5] = 3;
    expected[369] = 4;
    std::string sfx = s.savedFile(".SFX");
    EXPECT_EQ(soundMap(sfx), expected);
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    std::vector<uint16_t> firstSamples;
    for (const SoundInfo& info : saved->block.soundInfos) {
        firstSamples.push_back(info.firstSample);
        EXPECT_EQ(info.carried, test::soundInfo(0).carried);
    }
    EXPECT_EQ(firstSamples, (std::vector<uint16_t>{0, 1, 2, 3, 5}));
    // The sample values travel with their names.
    EXPECT_EQ(std::vector(saved->block.samples.begin(), saved->block.samples.end()),
              (std::vector<uint32_t>{1, 2, 2, 2, 3, 4}));
}

TEST(CollectSounds, ASoundNumberPastTheMapIsReportedAndEndsTheScanButNotTheSave) {
    SaveSession s;
    // 370 is reported; 14, after it, is not taken although the set has it. The command count
    // runs on past the end of the commands.
    SyntheticSet set = playing({5, 0, 370, 5, 0, 14}, 2);
    addSounds(set, {{14, {"a14"}}});
    s.put(1, s.load("a", set), 0);
    SyntheticSet runsOn = playing({4, 5, 0}, 40);
    addSounds(runsOn, {{15, {"b15"}}});
    s.put(2, s.load("b", runsOn), 0);
    s.recording.messages.clear();
    ASSERT_TRUE(s.save());
    ASSERT_EQ(s.recording.messages.size(), 2u);
    EXPECT_EQ(s.recording.messages[0].title, "Kavrin Internal Error");
    EXPECT_EQ(s.recording.messages[0].text, "Invalid sound ID #370\n");
    EXPECT_EQ(s.recording.messages[1].title, "Wad Saved");
    EXPECT_EQ(s.savedFile(".SAM"), "");
    EXPECT_EQ(soundMap(s.savedFile(".SFX")), std::vector<uint16_t>(370, NO_SOUND));
}

}  // namespace
}  // namespace kavrin
