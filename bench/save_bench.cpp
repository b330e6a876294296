// Saving WAD sets against loading their sources, timed in turn within one run: tut1 opened and
// saved whole, and a set made of objects from tut1, karnak, coastal, title and the title level.
// A run loads the sources into a new session (the load time) and saves the set (the save time):
// building it, composing the five files and writing them, each replacing the file of the same
// name the run before wrote. Medians of several runs are reported with the ratio of save time to
// load time, after one run that is not timed.
//
// Both sides spend much of their time in page faults on big buffers (a WAD's bytes, its texture
// pages), so both are timed under the same allocator policy, and under two of them:
//   fresh   every big buffer is new memory, zeroed by the kernel as it is first touched: the
//           most either side can pay (a session's first load comes close to it);
//   reused  freed memory is kept and handed out again, as once a session has warmed up.
// Left to itself glibc moves its mmap and trim thresholds as buffers come and go, so which of the
// two a buffer gets depends on the heap's history; even the length of the directory's path shifts
// it, and the load alone then swings by a factor of three between two spellings of one directory.
// Other C libraries keep their own policy, and both rows then measure it.
//
// Usage: save_bench [LEVEL_EDITOR_DIRECTORY] [RUNS] [SET]
// The directory defaults to $KAVRIN_TEST_DATA/trle, else the compiled-in test data; SET times only
// the set of that name.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "save/save_pipeline.h"
#include "editing/edited_wad_commands.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/mixed_set.h"
#include "real_data.h"
#include "timing.h"

namespace {

using namespace kavrin;
using namespace kavrin::bench;

std::string join(std::string path, std::string_view part) {
    joinPath(path, part);
    return path;
}

// A session that answers every message with its default and prints errors.
std::unique_ptr<Session> quietSession(const std::string& trle) {
    auto session = std::make_unique<Session>();
    session->ui.port.message = [](MessageStyle style, const std::string& title,
                                  const std::string& text) {
        if (style == MessageStyle::ErrorOk)
            std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return Button::Ok;
    };
    if (!locateObjectsH(*session, &trle)) return nullptr;
    return session;
}

ReferenceSource* loadReference(Session& session, const std::string& name) {
    return loadWadSetReference(session, *makeFileRecord(FILE_WAS, session.wadDirectory, name));
}

enum class Memory { Fresh, Reused };

const char* memoryName(Memory memory) {
    return memory == Memory::Fresh ? "fresh" : "reused";
}

// Fixes where big buffers come from; false when the C library offers no way to.
bool useMemory(Memory memory) {
#if defined(__GLIBC__)
    if (memory == Memory::Fresh) {
        // glibc's starting thresholds, held there: every buffer of 128 KiB or more is mapped
        // afresh and unmapped when freed.
        constexpr int THRESHOLD = 128 * 1024;
        bool fixed = mallopt(M_MMAP_THRESHOLD, THRESHOLD) && mallopt(M_TRIM_THRESHOLD, THRESHOLD);
        malloc_trim(0);
        return fixed;
    }
    // The largest mmap threshold glibc takes, and no trimming: freed buffers stay in the heap.
    constexpr int LARGEST_THRESHOLD = 4 * 1024 * 1024 * static_cast<int>(sizeof(long));
    return mallopt(M_MMAP_THRESHOLD, LARGEST_THRESHOLD) &&
           mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
#else
    (void)memory;
    return false;
#endif
}

struct Scenario {
    const char* name;
    // Loads the sources into a fresh session and places the objects; false on failure.
    std::function<bool(Session&)> load;
};

}  // namespace

int main(int argc, char** argv) {
    std::string trle = levelEditorDirectory(argc, argv);
    int runs = std::max(argc > 2 ? std::atoi(argv[2]) : 11, 1);
    const char* only = argc > 3 ? argv[3] : nullptr;
    std::string output = (std::filesystem::temp_directory_path() / "kavrin-save-bench").string();
    std::filesystem::create_directories(output);

    const Scenario scenarios[] = {
        {"tut1 whole",
         [](Session& session) {
             auto source = loadUnlinkedWadSet(
                 session, *makeFileRecord(FILE_WAS, session.wadDirectory, "tut1"));
             if (!source) return false;
             session.edited.editedSource = std::move(source);
             placeEntries(session, *session.edited.editedSource, 0, -1);
             return true;
         }},
        {"five sources",
         [&trle](Session& session) {
             ReferenceSource* level = loadLevelReference(
                 session, makeFileRecord(FILE_REFERENCE, join(trle, "data"), "title"));
             ReferenceSource* tut1 = loadReference(session, "tut1");
             ReferenceSource* karnak = loadReference(session, "karnak");
             ReferenceSource* coastal = loadReference(session, "coastal");
             ReferenceSource* title = loadReference(session, "title");
             if (!level || !tut1 || !karnak || !coastal || !title) return false;
             test::fillFreeSlots(
                 session,
                 {{level, false}, {coastal, true}, {karnak, true}, {title, true}, {tut1, true}});
             return true;
         }},
    };

    std::printf("%-14s %-7s %8s %12s %12s %7s\n", "set", "memory", "objects", "load (ms)",
                "save (ms)", "ratio");
    for (const Scenario& scenario : scenarios) {
        if (only && scenario.name != std::string_view(only)) continue;
        for (Memory memory : {Memory::Fresh, Memory::Reused}) {
            if (!useMemory(memory)) {
                std::fprintf(stderr, "The allocator's policy cannot be fixed here.\n");
            }
            std::vector<double> loadTimes, saveTimes;
            bool ok = true;
            uint32_t objects = 0;
            for (int run = 0; run <= runs && ok; ++run) {
                std::unique_ptr<Session> session = quietSession(trle);
                if (!session) return 1;
                double load = millisecondsOf([&] { ok = scenario.load(*session) && ok; });
                objects = session->edited.occupiedCount;
                double save = millisecondsOf([&] {
                    ok = saveWadSet(*session, *makeFileRecord(FILE_WAS, output, "bench")) && ok;
                });
                if (run == 0) continue;
                loadTimes.push_back(load);
                saveTimes.push_back(save);
            }
            if (!ok) {
                std::fprintf(stderr, "%s: the load or the save failed\n", scenario.name);
                return 1;
            }
            double load = median(loadTimes), save = median(saveTimes);
            std::printf("%-14s %-7s %8u %12.3f %12.3f %7.2f\n", scenario.name, memoryName(memory),
                        objects, load, save, save / load);
        }
    }
    std::filesystem::remove_all(output);
    return 0;
}
