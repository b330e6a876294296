// Writing build scripts: the edited WAD as a list of which object of which source fills each slot.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kavrin {

struct Session;

// One object line: the destination slot, the kind of its source (REF_WAD_SET or REF_LEVEL), the
// object's own slot in that source, and the source's base name.
struct ScriptObject {
    uint32_t slot = 0;
    uint32_t kind = 0;
    uint32_t sourceSlot = 0;
    std::string sourceName;
};

// The script text: the header, then one line per object in the order given, each ending in CR LF.
std::string scriptText(std::span<const ScriptObject> objects);

// Save Script: writes the edited WAD as a script, one line per occupied slot in slot order, to a
// file the user chooses (the script extension is added to a name without one). The edited WAD is
// not changed. True when written.
bool saveBuildScript(Session& session);

}  // namespace kavrin
