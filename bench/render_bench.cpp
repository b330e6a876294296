// Thumbnails of every object of a WAD set at 256 x 256 (the size kavrin-cli render and the
// preview pane draw), against loading the set. Both are timed within one run; medians of
// several runs are reported, per object and for the whole set, with the ratio of rendering the
// set to loading it.
//
// Usage: render_bench [LEVEL_EDITOR_DIRECTORY] [SET] [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "preview/object_render.h"
#include "real_data.h"
#include "timing.h"

namespace {

using namespace kavrin;
using namespace kavrin::bench;

constexpr int THUMBNAIL_SIZE = 256;

}  // namespace

int main(int argc, char** argv) {
    std::string trle = levelEditorDirectory(argc, argv);
    std::string name = argc > 2 ? argv[2] : "tut1";
    int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    Session session;
    session.ui.port.message = [](MessageStyle, const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return Button::Ok;
    };
    if (!locateObjectsH(session, &trle)) return 1;
    auto set = makeFileRecord(FILE_WAS, session.wadDirectory, name);

    std::vector<double> loadTimes, setTimes, objectTimes;
    size_t objects = 0;
    uint64_t drawn = 0;  // keeps the renders from being optimised away
    for (int run = 0; run < runs; ++run) {
        Clock::time_point start = Clock::now();
        std::unique_ptr<ReferenceSource> source = loadUnlinkedWadSet(session, *set);
        loadTimes.push_back(millisecondsSince(start));
        if (!source) return 1;
        objects = source->entries.size();
        Clock::time_point setStart = Clock::now();
        for (const ObjectEntry& entry : source->entries) {
            Clock::time_point objectStart = Clock::now();
            drawn += preview::renderThumbnail(entry, THUMBNAIL_SIZE).rgba[0];
            objectTimes.push_back(millisecondsSince(objectStart));
        }
        setTimes.push_back(millisecondsSince(setStart));
    }
    const double load = median(loadTimes), render = median(setTimes);
    std::printf("%s: %zu objects, %d x %d, %d runs (checksum %llu)\n", name.c_str(), objects,
                THUMBNAIL_SIZE, THUMBNAIL_SIZE, runs, static_cast<unsigned long long>(drawn % 7));
    std::printf("  per object: median %.3f ms, slowest %.3f ms\n", median(objectTimes),
                *std::max_element(objectTimes.begin(), objectTimes.end()));
    std::printf("  whole set:  load %.2f ms, render %.2f ms, render / load %.2f\n", load, render,
                render / load);
    return 0;
}
