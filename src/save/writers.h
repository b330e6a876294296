// The write operations of the five files of a WAD set, each composing its file from the save
// state and staging it in the state's file set, which the pipeline commits once all five are
// written. Each reports its own failure.
#pragma once

namespace kavrin {

struct SaveState;

bool writeSam(SaveState& state);
bool writeSfx(SaveState& state);
bool writeSwd(SaveState& state);
bool writeWad(SaveState& state);
bool writeWas(SaveState& state);

}  // namespace kavrin
