// An editing session that loads WAD sets made in the test or shipped with the Level Editor, saves
// into a fresh directory and reads back what it saved.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formats/sound_files.h"
#include "formats/swd.h"
#include "support/editing_session.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin::test {

struct SyntheticSet {
    SyntheticSet() { sounds.soundMap.fill(NO_SOUND); }
    SyntheticWad wad;
    SpriteWad sprites;
    SoundResources sounds;
    std::vector<std::string> sampleNames;  // one per sample value
};

struct SaveSession : EditingSession {
    std::string directory = makeTempDirectory("save");

    // Writes the set's five files (the .WAS naming its objects) into `into` as `name`.
    void write(const std::string& into, const std::string& name, const SyntheticSet& set);
    // Writes the set and loads it as a reference, as the user would.
    ReferenceSource& load(const std::string& name, const SyntheticSet& set);
    // Puts entry `index` of the source into the slot, whatever the slot.
    void put(uint32_t slot, const ReferenceSource& source, uint32_t index);
    bool save(const std::string& name = "out");
    std::unique_ptr<ReferenceSource> loadSaved(const std::string& name = "out");
    std::string savedFile(const std::string& extension) const;
    bool nothingWritten() const;
};

// A session over the real Level Editor's objects.h and WAD directory; the test is skipped when the
// real files are not there.
struct RealSession : SaveSession, ::testing::Test {
    void SetUp() override;
    // The shipped set `name`, loaded as a reference, or opened for editing.
    ReferenceSource* loadShipped(const std::string& name);
    void openShipped(const std::string& name);

    std::string trle = realTrleDirectory();
};

// Moveables in the given slots, all of one mesh with one 32 x 32 texture, each with `animations`
// animations that lead to themselves and have four bytes of keyframes.
SyntheticSet animatedSet(const std::vector<uint32_t>& slots, uint16_t animations);

}  // namespace kavrin::test
