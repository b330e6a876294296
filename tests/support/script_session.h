// An editing session for running build scripts: a fresh WAD directory that is also the source
// directory, a listed WAD set named "set", and a level named "lvl" on disk there.
#pragma once

#include <string>
#include <vector>

#include "support/editing_session.h"
#include "support/parsed_file.h"

namespace kavrin::test {

struct ScriptSession : EditingSession {
    ScriptSession();

    // Writes `text` as made.KVS in the directory and runs it.
    bool run(const std::string& text, bool build = false);
    // The occupied slots of the edited WAD, in slot order.
    std::vector<uint32_t> placedSlots() const;

    std::string directory;
    // Moveables 0, 1 and 5, the sky and default sprites, and static meshes 0 and 3; lvl.tr4 has a
    // moveable in slot 0 and static mesh 3 (slot 468).
    ReferenceSource& set;
};

}  // namespace kavrin::test
