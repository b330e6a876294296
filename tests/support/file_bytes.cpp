#include "support/file_bytes.h"

#include <fstream>
#include <iterator>

namespace kavrin::test {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool loadWritten(FileRecord& record, std::string_view bytes, ParseContext& context) {
    writeBytes(record.path, bytes);
    return loadFile(record, context);
}

}  // namespace kavrin::test
