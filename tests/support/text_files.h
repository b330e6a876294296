// Whole files as text, for tests that write scripts and compare what was written.
#pragma once

#include <string>

namespace kavrin::test {

// The file's bytes; empty when it cannot be read.
std::string fileContents(const std::string& path);
// Writes the bytes of `text` as the whole file.
void writeFileText(const std::string& path, const std::string& text);

}  // namespace kavrin::test
