// Saving WAD sets against loading their sources, timed in turn within one run: tut1 opened and
// saved whole, and a set made of objects from tut1, karnak, coastal, title and the title level.
// Medians of several runs are reported with the ratio of save time to load time.
//
// Usage: save_bench [LEVEL_EDITOR_DIRECTORY] [RUNS]
// The directory defaults to $KAVRIN_TEST_DATA/trle, else the compiled-in test data.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "build/save_pipeline.h"
#include "editing/edited_wad_commands.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/mixed_set.h"

namespace {

using namespace kavrin;
using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsOf(const std::function<bool()>& work, bool& ok) {
    auto start = Clock::now();
    ok = work() && ok;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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

struct Scenario {
    const char* name;
    // Loads the sources into a fresh session and places the objects; false on failure.
    std::function<bool(Session&)> load;
};

}  // namespace

int main(int argc, char** argv) {
    const char* data = std::getenv("KAVRIN_TEST_DATA");
    std::string trle =
        argc > 1 ? argv[1]
                 : (data ? std::string(data) : std::string(KAVRIN_TEST_DATA_DEFAULT)) + "/trle";
    int runs = argc > 2 ? std::atoi(argv[2]) : 11;
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

    std::printf("%-14s %8s %12s %12s %7s\n", "set", "objects", "load (ms)", "save (ms)", "ratio");
    for (const Scenario& scenario : scenarios) {
        std::vector<double> loadTimes, saveTimes;
        bool ok = true;
        uint32_t objects = 0;
        for (int run = 0; run < runs && ok; ++run) {
            std::unique_ptr<Session> session = quietSession(trle);
            if (!session) return 1;
            loadTimes.push_back(millisecondsOf([&] { return scenario.load(*session); }, ok));
            objects = session->edited.occupiedCount;
            saveTimes.push_back(millisecondsOf(
                [&] { return saveWadSet(*session, *makeFileRecord(FILE_WAS, output, "bench")); },
                ok));
        }
        if (!ok) {
            std::fprintf(stderr, "%s: the load or the save failed\n", scenario.name);
            return 1;
        }
        double load = median(loadTimes), save = median(saveTimes);
        std::printf("%-14s %8u %12.3f %12.3f %7.2f\n", scenario.name, objects, load, save,
                    save / load);
    }
    std::filesystem::remove_all(output);
    return 0;
}
