// Drop-down lists filled from the system's tables of names.
#pragma once

#include <span>

class QComboBox;

namespace kavrin::shell {

// Replaces the entries with the names, in order, selects the entry at `selection`, and lets the
// dropped list show every entry without scrolling.
void fillComboBox(QComboBox& box, std::span<const char* const> names, int selection);

}  // namespace kavrin::shell
