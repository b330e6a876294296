// Saving the edited WAD as a new WAD set.
#pragma once

namespace kavrin {

struct FileRecord;
struct Session;

// Copies every placed object with everything it needs into new, renumbered tables, packs their
// textures into new pages and writes the five files of the set that `output` (a FILE_WAS record)
// names, all or nothing (framework/file_output.h). True when the new set replaced the old one;
// false, after a message, when the save was abandoned or a file could not be written or put in
// place. The edited WAD then stays as it was, still to be saved.
bool saveWadSet(Session& session, const FileRecord& output);

}  // namespace kavrin
