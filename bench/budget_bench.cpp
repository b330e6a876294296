// The live budget against a save, timed in turn within one run on a set of about 300 objects taken
// from the Level Editor's sets and its title level: what the desktop program computes after each
// change to the edited WAD (the set built as a save builds it, without writing) and the whole save
// (built and written). Medians of several runs, after one that is not timed, and their ratio.
//
// Usage: budget_bench [LEVEL_EDITOR_DIRECTORY] [RUNS] [OBJECTS]
// The directory defaults to $KAVRIN_TEST_DATA/trle, else the compiled-in test data.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editing/dependencies.h"
#include "editing/edited_wad_commands.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_types.h"
#include "save/save_pipeline.h"
#include "save/set_budget.h"
#include "real_data.h"
#include "timing.h"

namespace {

using namespace kavrin;
using namespace kavrin::bench;

// The slot an entry goes to: its own while free, else the first free slot of its kind; none
// for sprites, which only their own slots take.
std::optional<uint32_t> freeSlot(const EditedWad& edited, const ObjectEntry& entry,
                                 const std::vector<uint32_t>& taken) {
    auto isFree = [&](uint32_t slot) {
        return !edited.slotTable[slot] &&
               std::find(taken.begin(), taken.end(), slot) == taken.end();
    };
    if (isFree(entry.slot)) return entry.slot;
    if (entry.slot >= SKY_GRAPHICS_SLOT && entry.slot < FIRST_STATIC_SLOT) return std::nullopt;
    const uint32_t first = entry.isMoveable ? 0 : FIRST_STATIC_SLOT;
    const uint32_t end = entry.isMoveable ? SKY_GRAPHICS_SLOT : SLOT_COUNT;
    for (uint32_t slot = first; slot < end; ++slot) {
        if (isFree(slot)) return slot;
    }
    return std::nullopt;
}

// Each source's objects, each with what it needs from its source, into free slots (their own
// when they can) up to `limit` objects: a set that saves.
bool fillSet(Session& session, const std::string& trle, uint32_t limit) {
    std::vector<ReferenceSource*> sources = {
        loadLevelReference(session, makeFileRecord(FILE_REFERENCE, trle + "/data", "title"))};
    for (const char* name : {"tut1", "karnak", "coastal", "settomb", "angkor", "Catacomb"}) {
        sources.push_back(
            loadWadSetReference(session, *makeFileRecord(FILE_WAS, session.wadDirectory, name)));
    }
    const EditedWad& edited = session.edited;
    for (ReferenceSource* source : sources) {
        if (!source) return false;
        for (const ObjectEntry& entry : source->entries) {
            std::vector<uint32_t> slots;
            std::optional<uint32_t> slot = freeSlot(edited, entry, slots);
            if (!slot) continue;
            slots.push_back(*slot);
            const ObjectNeeds needs = missingDependencies(edited, entry, *slot);
            for (const ObjectEntry* needed : needs.needed) {
                std::optional<uint32_t> free = freeSlot(edited, *needed, slots);
                if (!free) break;
                slots.push_back(*free);
            }
            if (slots.size() != 1 + needs.needed.size() || needs.strayAnimation ||
                edited.occupiedCount + slots.size() > limit) {
                continue;
            }
            for (size_t i = 0; i < needs.needed.size(); ++i)
                placeEntryAt(session, slots[i + 1], *needs.needed[i]);
            placeEntryAt(session, *slot, entry);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string trle = levelEditorDirectory(argc, argv);
    const int runs = std::max(argc > 2 ? std::atoi(argv[2]) : 11, 1);
    const auto objects = static_cast<uint32_t>(argc > 3 ? std::atoi(argv[3]) : 300);
    std::string output = (std::filesystem::temp_directory_path() / "kavrin-budget-bench").string();
    std::filesystem::create_directories(output);

    Session session;
    session.ui.port.message = [](MessageStyle style, const std::string& title,
                                 const std::string& text) {
        if (style == MessageStyle::ErrorOk)
            std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return style == MessageStyle::WarningYesNoCancel ? Button::Yes : Button::Ok;
    };
    if (!locateObjectsH(session, &trle) || !fillSet(session, trle, objects)) return 1;

    std::vector<double> budgetTimes, saveTimes;
    std::string text;
    bool saved = true;
    for (int run = 0; run <= runs; ++run) {
        double budget = millisecondsOf([&] { text = budgetText(measureSet(session)); });
        double save = millisecondsOf([&] {
            saved = saveWadSet(session, *makeFileRecord(FILE_WAS, output, "bench")) && saved;
        });
        if (run == 0) continue;
        budgetTimes.push_back(budget);
        saveTimes.push_back(save);
    }
    std::filesystem::remove_all(output);
    if (!saved) {
        std::fprintf(stderr, "the save failed\n");
        return 1;
    }
    const double budget = median(budgetTimes), save = median(saveTimes);
    std::printf("%u objects: %s\n", session.edited.occupiedCount, text.c_str());
    std::printf("%-8s %12s %12s %7s\n", "runs", "budget (ms)", "save (ms)", "ratio");
    std::printf("%-8d %12.3f %12.3f %7.2f\n", runs, budget, save, budget / save);
    return 0;
}
