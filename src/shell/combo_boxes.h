// Drop-down lists filled from the system's tables of names.
#pragma once

#include <span>

class QComboBox;

namespace kavrin::shell {

// Replaces the entries with the names, in order, and selects the entry at `selection`.
void fillComboBox(QComboBox& box, std::span<const char* const> names, int selection);

// Lets the dropped list show `count` entries without scrolling; -1: every entry of the box.
void fitComboDropDown(QComboBox& box, int count);

}  // namespace kavrin::shell
