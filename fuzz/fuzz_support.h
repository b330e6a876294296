// What every fuzz target shares: a silent ui and a way to parse bytes as a file of a given type.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/file_record.h"
#include "framework/ui.h"

namespace kavrin::fuzz {

// A ui that shows nothing and answers every question with its safe answer.
Ui& silentUi();

// A record of `type` holding `data` as loadFile leaves it, before its parse. The record lives in
// a scratch directory of the process, so a parse that writes beside its input (the decompilers)
// writes there.
FileRecord recordHolding(uint32_t type, const uint8_t* data, size_t size);

// Loads `data` into a record of `type` as loadFile would and calls the type's parse.
bool parseBytes(uint32_t type, const uint8_t* data, size_t size, ParseContext& context);

}  // namespace kavrin::fuzz
