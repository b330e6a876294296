// Commands on the reference sources: loading them, and Enter or a double-click in the tree.
#pragma once

#include <cstdint>
#include <memory>

namespace kavrin {

struct FileRecord;
struct Session;

// Loads the WAD set (REF_WAD_SET: the set of the record's folder and base name) or the level
// (REF_LEVEL) as a reference. A file that is already a listed source is not loaded a second time:
// its root is selected instead.
void loadReference(Session& session, std::unique_ptr<FileRecord> record, uint32_t kind);

// Asks for a reference file. The filter the user left chosen decides what is loaded from the
// file's folder and base name: the WAD set with the first filter, the level with any other.
void loadReferenceFile(Session& session);

// Enter or a double-click on the tree's selected item adds it as the Add button does; a
// double-click on a source's root only opens or closes it in the tree.
void activateTreeItem(Session& session, bool doubleClick);

}  // namespace kavrin
