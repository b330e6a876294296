// An editing session that saves into a fresh directory and reads back what it saved.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/editing_session.h"
#include "support/synthetic_set.h"
#include "support/test_data.h"

namespace kavrin::test {

struct SaveSession : EditingSession {
    std::string directory = makeTempDirectory("save");

    // Loads the set as a reference, as the user would.
    ReferenceSource& load(const std::string& name, const SyntheticSet& set);
    // Puts entry `index` of the source into the slot, whatever the slot.
    void put(uint32_t slot, const ReferenceSource& source, uint32_t index);
    bool save(const std::string& name = "out");
    // The saved set, loaded as the set opened for editing is.
    std::unique_ptr<ReferenceSource> loadSaved(const std::string& name = "out");
    std::string savedFile(const std::string& extension, const std::string& name = "out") const;
    bool nothingWritten() const;
};

// A WAD of moveables in the given slots, all of one mesh with one 32 x 32 texture, each with
// `animations` animations that lead to themselves and have four bytes of keyframes.
SyntheticWad animatedWad(const std::vector<uint32_t>& slots, uint16_t animations);

// A WAD of one moveable in slot 1 whose mesh has a triangle for each texture, on `pageCount`
// pages.
SyntheticWad texturedWad(const std::vector<ObjectTexture>& textures, uint32_t pageCount);

}  // namespace kavrin::test
