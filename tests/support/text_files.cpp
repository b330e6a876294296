#include "support/text_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kavrin::test {

std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFileText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

}  // namespace kavrin::test
