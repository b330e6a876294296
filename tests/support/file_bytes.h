// Whole files as byte strings, for tests that copy or cut real files.
#pragma once

#include <string>
#include <string_view>

#include "framework/file_record.h"

namespace kavrin::test {

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);

// Writes `bytes` at the record's path, then loads the record as the program would.
bool loadWritten(FileRecord& record, std::string_view bytes, ParseContext& context);

}  // namespace kavrin::test
