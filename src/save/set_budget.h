// The live budget of the edited WAD: the figures its set would have if it were saved now, against
// what a WAD set and the Level Editor can hold.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "save/save_checks.h"

namespace kavrin {

struct Session;

struct SetBudget {
    uint32_t occupiedSlots = 0;
    bool measured = false;  // false: an object sits in a slot of another kind, nothing was counted
    std::array<OutputLimit, OUTPUT_TABLE_COUNT> limits{};  // each as a save checks it
    uint32_t tiles = 0;  // the texture tiles the save summary estimates
};

// Builds the set as a save does, up to the files, and reads its figures; nothing is written or
// shown. What building it would report is added to `messages` when given.
SetBudget measureSet(Session& session, std::vector<std::string>* messages = nullptr);

// One line for a status strip, e.g. "Slots 42/525 | Object textures 1581/4096 | Texture tiles
// 11/16 | Meshes 312 | Samples 144"; a figure past its budget is followed by " (over)".
std::string budgetText(const SetBudget& budget);

}  // namespace kavrin
