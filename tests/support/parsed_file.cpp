#include "support/parsed_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/file_types.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin::test {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileText(const std::string& path, const std::string& text) {
    EXPECT_TRUE(writeBytes(path, textBytes(text))) << path;
}

std::pair<std::string, std::string> writeTemporaryFile(uint32_t type,
                                                       std::span<const uint8_t> bytes) {
    static const std::string directory = makeTempDirectory("parsed");
    static int count = 0;
    std::string name = "file" + std::to_string(count++);
    auto record = makeFileRecord(type, directory, name);
    if (!writeBytes(record->path, bytes)) ADD_FAILURE() << "cannot write " << record->path;
    return {directory, name};
}

}  // namespace kavrin::test
