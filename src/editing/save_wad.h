// Save Wad and Save Wad As.
#pragma once

namespace kavrin {

struct Session;

// Saves the edited WAD under its name, asking for one when `saveAs` is set or the WAD is
// untitled, and asking again before a name of a WAD that comes with the Level Editor is used.
// True when the set was written.
bool saveWad(Session& session, bool saveAs);

}  // namespace kavrin
