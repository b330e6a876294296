// The right-click menus of the reference tree and the edited list: which commands apply to the
// item clicked, and carrying them out.
#pragma once

#include <string>
#include <vector>

namespace kavrin {

struct Session;

enum class ContextCommand {
    Add,                // the Add button, for the selected entry
    Replace,            // the Replace button: the selected entry into the selected row
    Delete,             // the Delete button, for the selected row
    ShowSource,         // selects the tree entry the selected row's object came from
    LoadReferenceFile,  // File, Load Reference File
};

struct ContextMenuItem {
    ContextCommand command;
    std::string text;  // with '&' before the access key
};

// For a right-click in the tree: on an item, which has become the selected entry, the commands
// for it; below the items (`onItem` false), loading another reference.
std::vector<ContextMenuItem> treeContextMenu(const Session& session, bool onItem);

// For a right-click on a row of the edited list, which has become the selected row.
std::vector<ContextMenuItem> listContextMenu(const Session& session);

void runContextCommand(Session& session, ContextCommand command);

}  // namespace kavrin
