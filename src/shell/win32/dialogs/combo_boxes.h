// Drop-down lists filled from the program's tables of names.
#pragma once

#include <windows.h>

#include <span>

namespace kavrin::win32 {

// Replaces the entries with the names, in order, and selects the entry at `selection`.
void fillComboBox(HWND combo, std::span<const char* const> names, int selection);

// Makes the dropped list (count + 2) entries tall, keeping the box's width and place; a count of
// -1 means the box's own number of entries.
void fitComboDropDown(HWND combo, int count);

}  // namespace kavrin::win32
