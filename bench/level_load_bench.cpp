// How long loading and converting title.tr4 takes, against what zlib's uncompress alone needs
// for the same two chunks. Both are timed in every run, one after the other, and the medians are
// compared, so the ratio holds for the machine and the moment it was measured on.
#include <zlib.h>

#include <algorithm>
#include <any>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/bytes.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/ui.h"
#include "level/level_conversion.h"
#include "level/level_reader.h"
#include "real_data.h"
#include "timing.h"

namespace {

using namespace kavrin::bench;
constexpr int RUNS = 21;

struct Chunk {
    std::span<const uint8_t> stream;
    std::vector<uint8_t> out;
};

// The 32-bit texture pages and the level data, found in the file the way the reader finds them.
std::vector<Chunk> inflatedChunks(std::span<const uint8_t> file) {
    kavrin::ByteCursor in(file);
    in.skip(4 + 3 * 2);
    std::vector<Chunk> chunks;
    for (int i = 0; i < 4; ++i) {
        uint32_t size = in.u32();
        std::span<const uint8_t> stream = in.take(in.u32());
        if (i == 0 || i == 3) chunks.push_back({stream, std::vector<uint8_t>(size)});
    }
    return chunks;
}

bool loadAndConvert(kavrin::Ui& ui, const std::string& directory) {
    std::unique_ptr<kavrin::FileRecord> record =
        kavrin::makeFileRecord(kavrin::FILE_LEVEL_REFERENCE, directory, "title");
    kavrin::ParseContext context{ui};
    if (!kavrin::loadFile(*record, context)) return false;
    kavrin::ConvertedLevel converted;
    kavrin::ObjectSourceBlock block =
        kavrin::convertLevel(ui, *std::any_cast<kavrin::LevelRecord>(&record->contents), converted);
    return !block.meshInfo.empty();
}

}  // namespace

int main() {
    const std::string directory = levelEditorDirectory(0, nullptr) + "/data";

    kavrin::Ui ui;
    ui.port.message = [](kavrin::MessageStyle, const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return kavrin::Button::Ok;
    };
    kavrin::FileRecord raw;
    raw.path = directory + "/title.tr4";
    raw.type = kavrin::FILE_REFERENCE;  // a type without a parse: the bytes only
    kavrin::ParseContext context{ui};
    if (!kavrin::loadFile(raw, context)) return 1;
    std::vector<Chunk> chunks = inflatedChunks(raw.bytes());

    std::vector<double> loads;
    std::vector<double> inflations;
    for (int run = 0; run < RUNS; ++run) {
        Clock::time_point start = Clock::now();
        if (!loadAndConvert(ui, directory)) return 1;
        loads.push_back(millisecondsSince(start));

        start = Clock::now();
        for (Chunk& chunk : chunks) {
            uLongf produced = chunk.out.size();
            if (uncompress(chunk.out.data(), &produced, chunk.stream.data(), chunk.stream.size()) !=
                Z_OK) {
                return 1;
            }
        }
        inflations.push_back(millisecondsSince(start));
    }

    const double load = median(loads);
    const double inflation = median(inflations);
    std::printf("title.tr4, %d runs\n", RUNS);
    std::printf("load and convert, median: %.2f ms\n", load);
    std::printf("uncompress of both chunks, median: %.2f ms\n", inflation);
    std::printf("ratio: %.2f (target: under 1.5)\n", load / inflation);
    return 0;
}
