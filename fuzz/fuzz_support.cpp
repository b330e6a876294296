#include "fuzz_support.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_types.h"

namespace kavrin::fuzz {

namespace {

// Made on first use and removed when the fuzzer exits.
struct ScratchDirectory {
    std::string path =
        (std::filesystem::temp_directory_path() / ("kavrin-fuzz-" + std::to_string(getpid())))
            .string();
    ScratchDirectory() { std::filesystem::create_directories(path); }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& scratchDirectory() {
    static const ScratchDirectory scratch;
    return scratch.path;
}

}  // namespace

Ui& silentUi() {
    static Ui ui;
    return ui;
}

FileRecord recordHolding(uint32_t type, const uint8_t* data, size_t size) {
    FileRecord record;
    record.type = type;
    record.directory = scratchDirectory();
    record.name = "fuzz";
    record.path = record.directory;
    joinPath(record.path, "fuzz.dat");
    record.size = static_cast<uint32_t>(size);
    record.buffer.assign(data, data + size);
    record.buffer.push_back(0);
    return record;
}

bool parseBytes(uint32_t type, const uint8_t* data, size_t size, ParseContext& context) {
    FileRecord record = recordHolding(type, data, size);
    return fileType(type).parse(record, context);
}

}  // namespace kavrin::fuzz

// Real .WAD and .tr4 files run to 3.5 MB, past the 1 MB at which libFuzzer cuts its inputs unless
// told otherwise; so every target takes whole files of up to 4 MB, unless the run names its own
// -max_len. libFuzzer reads its flags after this hook has run.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> arguments(*argv, *argv + *argc);
    for (char* argument : arguments) {
        if (std::string_view(argument).starts_with("-max_len=")) return 0;
    }
    static char wholeFiles[] = "-max_len=4194304";
    arguments.push_back(wholeFiles);
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
    return 0;
}
