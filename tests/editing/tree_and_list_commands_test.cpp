// The tree's filter, the right-click menus and what a drop does, on a set made in the test.
#include <gtest/gtest.h>

#include "editing/context_menus.h"
#include "editing/drops.h"
#include "editing/reference_filter.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

using test::EditingSession;

TEST(ReferenceFilter, ShowsTheEntriesWhoseLabelHoldsTheTextAndTheRootsThatKeepAny) {
    EditingSession e;
    // LARA, OBJECT_001, OBJECT_465 (no slot), STATIC_04.
    ReferenceSource& set = e.listSet("tut1", {.moveables = {0, 1, 465}, .statics = {4}});
    const struct {
        const char* text;
        bool rootShown;
        std::vector<bool> entryShown;
    } cases[] = {
        {"", true, {true, true, true, true}},
        {"object_", true, {false, true, false, false}},  // letter case aside; no slot, no label
        {"A", true, {true, false, false, true}},
        {"MISSING", false, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        FilteredSource shown = filterSource(e.catalogue, set, c.text);
        EXPECT_EQ(shown.rootShown, c.rootShown) << c.text;
        EXPECT_EQ(shown.entryShown, c.entryShown) << c.text;
    }
}

TEST(ContextMenus, OfferTheCommandsThatApplyToTheClickedItem) {
    EditingSession e;
    ReferenceSource& set = e.listSet("a&b", {.moveables = {0, 1}, .statics = {4}});
    auto texts = [](const std::vector<ContextMenuItem>& items) {
        std::vector<std::string> shown;
        for (const ContextMenuItem& item : items)
            shown.push_back(item.text);
        return shown;
    };
    using Texts = std::vector<std::string>;
    e.selectEntry(set, -1);
    EXPECT_EQ(texts(treeContextMenu(e.session, true)), Texts{"&Add Every Object of a&&b.WAS"});
    // LARA selected in the tree; a moveable row takes it, a static row does not.
    e.selectEntry(set, 0);
    e.selectRowOf(1);
    EXPECT_EQ(texts(treeContextMenu(e.session, true)),
              (Texts{"&Add LARA", "&Replace OBJECT_001 with LARA"}));
    e.selectRowOf(FIRST_STATIC_SLOT + 4);
    EXPECT_EQ(texts(listContextMenu(e.session)), Texts{});

    e.selectRowOf(0);
    runContextCommand(e.session, ContextCommand::Add);
    EXPECT_EQ(texts(listContextMenu(e.session)),
              (Texts{"&Add LARA", "&Delete LARA", "&Show in a&&b.WAS"}));
}

TEST(Drops, AnEntryOntoAnotherSlotsRowReplacesAnywhereElseItAdds) {
    EditingSession e;
    e.session.edited.confirmOverwriting = false;
    ReferenceSource& set = e.listSet("tut1", {.moveables = {0, 1}});
    dropEntry(e.session, set.entries[1], std::nullopt);
    dropEntry(e.session, set.entries[0], 0);  // its own slot's row
    EXPECT_EQ(e.session.edited.occupiedCount, 2u);
    EXPECT_TRUE(e.recording.messages.empty());

    e.recording.answers = {Button::Yes, Button::No};
    dropEntry(e.session, set.entries[0], 1);
    EXPECT_EQ(e.session.edited.slotTable[1], &set.entries[0]);
    EXPECT_EQ(e.session.edited.selectedRow, 1);
    dropEntry(e.session, set.rootEntry, 5);
    EXPECT_EQ(e.recording.messages.at(0).title, "Confirm overwrite");
    EXPECT_EQ(e.recording.messages.at(1).title, "Confirm adding an entire Wad");

    const std::pair<const char*, uint32_t> files[] = {{"wads/tut1.WAS", REF_WAD_SET},
                                                      {"tut1.was", REF_WAD_SET},
                                                      {"data/TITLE.TR4", REF_LEVEL},
                                                      {"tut1.WAD", 0u},
                                                      {"tr4", 0u},
                                                      {"a.was/tut1", 0u}};
    for (auto [path, kind] : files)
        EXPECT_EQ(droppedFileKind(path), kind) << path;
}

}  // namespace
}  // namespace kavrin
