#include "editing/categories.h"

namespace kavrin {

const std::array<const char*, CATEGORY_COUNT> CATEGORY_NAMES = {
    "All Objects",     "Lara",        "Animating",
    "Doors",           "Enemies",     "Enemy AI",
    "Inventory Items", "Keys",        "Levers and Switches",
    "Miscellaneous",   "Moving",      "Outside",
    "Pickups",         "Pushable",    "Puzzles",
    "Quest Items",     "Shatterable", "Static",
    "Traps",           "Vehicle",     "Weapons and Ammo",
};

namespace {

enum : uint32_t {
    LARA = 1,
    ANIMATING,
    DOORS,
    ENEMIES,
    ENEMY_AI,
    INVENTORY_ITEMS,
    KEYS,
    LEVERS_AND_SWITCHES,
    MISCELLANEOUS,
    MOVING,
    OUTSIDE,
    PICKUPS,
    PUSHABLE,
    PUZZLES,
    QUEST_ITEMS,
    SHATTERABLE,
    STATIC,
    TRAPS,
    VEHICLE,
    WEAPONS_AND_AMMO,
};

// The slots come in runs of one category; each run is given by its last slot, in slot order.
struct CategoryRun {
    uint32_t lastSlot;
    uint32_t category;
};

constexpr CategoryRun CATEGORY_RUNS[] = {
    {30, LARA},
    {33, VEHICLE},
    {34, STATIC},
    {107, ENEMIES},
    {113, STATIC},
    {119, TRAPS},
    {121, VEHICLE},
    {129, DOORS},
    {145, TRAPS},
    {150, STATIC},
    {155, MOVING},
    {160, PUSHABLE},
    {163, TRAPS},
    {165, STATIC},
    {172, TRAPS},
    {174, STATIC},
    {202, PUZZLES},
    {230, KEYS},
    {242, PICKUPS},
    {245, MISCELLANEOUS},
    {247, INVENTORY_ITEMS},
    {251, PICKUPS},
    {259, QUEST_ITEMS},
    {283, PUZZLES},
    {295, KEYS},
    {305, MISCELLANEOUS},
    {321, LEVERS_AND_SWITCHES},
    {335, DOORS},
    {339, MISCELLANEOUS},
    {340, DOORS},
    {343, LEVERS_AND_SWITCHES},
    {348, MISCELLANEOUS},
    {367, WEAPONS_AND_AMMO},
    {379, INVENTORY_ITEMS},
    {385, MISCELLANEOUS},
    {388, WEAPONS_AND_AMMO},
    {397, MISCELLANEOUS},
    {405, ENEMY_AI},
    {406, LARA},
    {419, MISCELLANEOUS},
    {420, TRAPS},
    {426, MISCELLANEOUS},
    {458, ANIMATING},
    {460, OUTSIDE},
    {463, LARA},
    {464, MISCELLANEOUS},
    {514, STATIC},
    {524, SHATTERABLE},
};

}  // namespace

uint32_t slotCategory(uint32_t slot) {
    for (const CategoryRun& run : CATEGORY_RUNS) {
        if (slot <= run.lastSlot) return run.category;
    }
    return ALL_OBJECTS;
}

bool slotShownUnder(uint32_t filter, uint32_t slot) {
    return filter == ALL_OBJECTS || slotCategory(slot) == filter;
}

}  // namespace kavrin
