// Building the output set of the edited WAD: every placed object copied with everything it needs,
// renumbered, its sounds chosen and its textures laid out on new pages. A save builds it and then
// writes it; the budget and the check build it only to read its figures.
#pragma once

namespace kavrin {

struct SaveState;

enum class SetBuild {
    // Every check stops the build at its message; the links are relinked and the pages made.
    Save,
    // Only what the figures need: the checks that leave them alone do not stop it, the links are
    // not relinked, and the textures are laid out without making the pages.
    Measure,
};

// Builds the set in the state; false, after a message, when it cannot go on.
bool buildOutputSet(SaveState& state, SetBuild build);

}  // namespace kavrin
