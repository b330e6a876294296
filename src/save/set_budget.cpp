#include "save/set_budget.h"

#include <memory>

#include "editing/session.h"
#include "framework/text_format.h"
#include "save/output_set.h"
#include "save/save_state.h"
#include "save/texture_packing.h"

namespace kavrin {

namespace {

// "<what> <count>", with "/<limit>" when the limit is always worth seeing or has been passed.
std::string figure(const char* what, size_t count, uint32_t limit, bool showLimit) {
    const bool over = count > limit;
    std::string text = format("%s %zu", what, count);
    if (showLimit || over) text += format("/%u", limit);
    if (over) text += " (over)";
    return text;
}

}  // namespace

SetBudget measureSet(Session& session, std::vector<std::string>* messages) {
    Ui quiet;
    if (messages) {
        quiet.port.message = [messages](MessageStyle, const std::string&, const std::string& text) {
            messages->push_back(text);
            return Button::Ok;
        };
    }
    SetBudget budget;
    budget.occupiedSlots = session.edited.occupiedCount;
    auto state = std::make_unique<SaveState>(session, FileRecord{}, quiet);
    budget.measured = buildOutputSet(*state, SetBuild::Measure);
    if (!budget.measured) return budget;
    budget.limits = outputLimits(*state);
    budget.tiles = estimatedTiles(state->textureArea);
    return budget;
}

std::string budgetText(const SetBudget& budget) {
    std::string text = figure("Slots", budget.occupiedSlots, SLOT_COUNT, true);
    if (!budget.measured) {
        return text + " | The set cannot be built as it is: Check Wad tells why";
    }
    const auto& limits = budget.limits;
    text += " | " + figure("Object textures", limits[OUT_OBJECT_TEXTURES].count,
                           limits[OUT_OBJECT_TEXTURES].limit, true);
    text += " | " + figure("Texture tiles", budget.tiles, TEXTURE_TILE_BUDGET, true);
    text += " | " + figure("Meshes", limits[OUT_MESH_POINTERS].count,
                           limits[OUT_MESH_POINTERS].limit, false);
    text += " | " + figure("Samples", limits[OUT_SAMPLES].count, limits[OUT_SAMPLES].limit, false);
    // The tables a user seldom fills are named only once they overflow.
    for (size_t table = OUT_ANIMATIONS; table < OUTPUT_TABLE_COUNT; ++table) {
        if (limits[table].exceeded()) {
            text +=
                " | " + figure(limits[table].what, limits[table].count, limits[table].limit, true);
        }
    }
    return text;
}

}  // namespace kavrin
