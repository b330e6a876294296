#include "support/script_session.h"

#include <gtest/gtest.h>

#include "framework/file_types.h"
#include "script/build_script.h"
#include "support/synthetic_level.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin::test {

ScriptSession::ScriptSession()
    : directory(makeTempDirectory("script")),
      set(listSet("set", {.moveables = {0, 1, 5},
                          .spriteSequences = {SKY_GRAPHICS_SLOT, DEFAULT_SPRITES_SLOT},
                          .statics = {0, 3}})) {
    session.wadDirectory = directory;
    session.sourceDirectory = directory;
    SyntheticLevel level = populatedLevel();
    level.statics[0].staticNumber = 3;
    EXPECT_TRUE(writeBytes(directory + "/lvl.tr4", buildLevelFile(level)));
}

bool ScriptSession::run(const std::string& text, bool build) {
    writeFileText(directory + "/made.KVS", text);
    return runBuildScriptFile(session, *makeFileRecord(FILE_BUILD_SCRIPT, directory, "made"),
                              build);
}

std::vector<uint32_t> ScriptSession::placedSlots() const {
    std::vector<uint32_t> slots;
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        if (session.edited.slotTable[slot]) slots.push_back(slot);
    }
    return slots;
}

}  // namespace kavrin::test
