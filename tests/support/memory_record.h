// A file record that holds bytes made in the test, as loadFile leaves it before calling parse.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/file_record.h"

namespace kavrin::test {

// A record of `type` named "mem" in the directory "test", holding `bytes` and the closing NUL.
std::unique_ptr<FileRecord> recordHolding(uint32_t type, std::string_view bytes);

// Runs the parse operation of the record's type, as loadFile does after reading.
bool parseRecord(FileRecord& record, ParseContext& context);

}  // namespace kavrin::test
