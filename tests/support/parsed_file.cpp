#include "support/parsed_file.h"

#include <fstream>
#include <iterator>

#include "framework/file_types.h"
#include "support/test_data.h"

namespace kavrin::test {

std::string temporaryFileDirectory() {
    static const std::string directory = makeTempDirectory("parsed");
    return directory;
}

std::string writeTemporaryFile(uint32_t type, std::string_view bytes) {
    static int count = 0;
    std::string name = "file" + std::to_string(count++);
    std::string path = makeFileRecord(type, temporaryFileDirectory(), name)->path;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return name;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace kavrin::test
