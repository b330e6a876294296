// Saving the edited WAD as a new WAD set.
#pragma once

namespace kavrin {

struct FileRecord;
struct Session;

// Copies every placed object with everything it needs into new, renumbered tables, packs their
// textures into new pages and writes the five files of the set that `output` (a FILE_WAS record)
// names. True when the save ran to its end; false when it was abandoned (nothing written).
bool saveWadSet(Session& session, const FileRecord& output);

}  // namespace kavrin
