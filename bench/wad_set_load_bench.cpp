// Loading a WAD set whole (five files read, parsed, derived tables built) against reading the same
// bytes into memory, for every set of a Level Editor directory. Both are timed in turn within one
// run; medians of several runs are reported with their ratio.
//
// Usage: wad_set_load_bench [LEVEL_EDITOR_DIRECTORY] [RUNS]
#include <algorithm>
#include <any>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/catalogue.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/ui.h"
#include "real_data.h"
#include "timing.h"

namespace {

using namespace kavrin;
using namespace kavrin::bench;

constexpr uint32_t SET_TYPES[] = {FILE_WAS, FILE_WAD, FILE_SFX, FILE_SAM, FILE_SWD};

// Reads the bytes of every file of the set, as loadFile does before it parses.
size_t readSet(const std::string& directory, const std::string& name) {
    size_t total = 0;
    for (uint32_t type : SET_TYPES) {
        auto record = makeFileRecord(type, directory, name);
        std::FILE* file = std::fopen(resolveExistingPath(record->path).c_str(), "rb");
        if (!file) continue;
        std::fseek(file, 0, SEEK_END);
        std::vector<uint8_t> bytes(static_cast<size_t>(std::ftell(file)) + 1);
        std::fseek(file, 0, SEEK_SET);
        total += std::fread(bytes.data(), 1, bytes.size() - 1, file);
        std::fclose(file);
    }
    return total;
}

bool loadSet(ParseContext& context, const std::string& directory, const std::string& name) {
    for (uint32_t type : SET_TYPES) {
        auto record = makeFileRecord(type, directory, name);
        if (!loadFile(*record, context)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string trle = levelEditorDirectory(argc, argv);
    int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    Ui ui;
    ui.port.message = [](MessageStyle, const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return Button::Ok;
    };
    ParseContext context{ui};
    auto header = makeFileRecord(FILE_OBJECTS_H, trle, "objects");
    if (!loadFile(*header, context)) return 1;
    context.catalogue = std::any_cast<ObjectCatalogue>(&header->contents);

    std::string wads = trle;
    joinPath(wads, "graphics");
    joinPath(wads, "wads");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(wads)) {
        std::string file = entry.path().filename().string();
        if (entry.path().extension() == ".WAS") names.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(names.begin(), names.end());

    std::printf("%-10s %10s %12s %12s %7s\n", "set", "bytes", "read (ms)", "load (ms)", "ratio");
    std::vector<double> ratios;
    for (const std::string& name : names) {
        std::vector<double> readTimes, loadTimes;
        size_t bytes = 0;
        bool loaded = true;
        for (int run = 0; run < runs; ++run) {
            auto start = Clock::now();
            bytes = readSet(wads, name);
            auto middle = Clock::now();
            loaded = loadSet(context, wads, name);
            auto end = Clock::now();
            readTimes.push_back(std::chrono::duration<double, std::milli>(middle - start).count());
            loadTimes.push_back(std::chrono::duration<double, std::milli>(end - middle).count());
        }
        double read = median(readTimes), load = median(loadTimes);
        std::printf("%-10s %10zu %12.3f %12.3f %7.2f%s\n", name.c_str(), bytes, read, load,
                    load / read, loaded ? "" : "  (refused)");
        if (loaded) ratios.push_back(load / read);
    }
    std::printf("median ratio of load to read over the sets that load: %.2f\n", median(ratios));
    return 0;
}
