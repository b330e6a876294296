// The strings of the last decompiled language file, shared with the script decompiler, which
// names levels, keys, puzzles and pickups by their index.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

struct LanguageStrings {
    // The escaped text of every string, generic, PSX and PC in file order, so one index addresses
    // the three groups as a single sequence.
    std::vector<std::string> strings;
};

}  // namespace kavrin
