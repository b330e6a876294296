// File, Load Reference File.
#pragma once

namespace kavrin {

struct Session;

// Asks for a reference file. The filter the user left chosen decides what is loaded from the
// file's folder and base name: the WAD set with the first filter, the level with any other.
void loadReferenceFile(Session& session);

}  // namespace kavrin
