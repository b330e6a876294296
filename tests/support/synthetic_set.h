// Whole WAD sets made in a test, written as the five files and loaded the way the user loads them.
#pragma once

#include <string>
#include <vector>

#include "formats/sound_files.h"
#include "formats/swd.h"
#include "support/synthetic_wad.h"

namespace kavrin {
struct ObjectCatalogue;
struct ReferenceSource;
struct Session;
}  // namespace kavrin

namespace kavrin::test {

struct SyntheticSet {
    SyntheticSet();  // no sounds, no sprites

    SyntheticWad wad;
    SpriteWad sprites;
    SoundResources sounds;
    std::vector<std::string> sampleNames;  // one per sample value
};

// Writes the set as `name` into `directory`; the .WAS names each of its objects with the
// catalogue's labels.
void writeSyntheticSet(const std::string& directory, const std::string& name,
                       const SyntheticSet& set, const ObjectCatalogue& catalogue);

// Writes the set into a fresh directory and loads it as a reference at the head of the list.
ReferenceSource* loadSyntheticSet(Session& session, const std::string& name,
                                  const SyntheticSet& set);

// A sound description whose samples begin at `firstSample`.
SoundInfo soundInfo(uint16_t firstSample);

}  // namespace kavrin::test
