// Finding the Level Editor's objects.h at start-up, and the directories that follow from it.
#pragma once

#include <string>

namespace kavrin {

struct Session;

// Where the Level Editor is installed by default: its Windows folder, or on other systems the
// same folder inside the default Wine prefix.
std::string defaultTrleDirectory();

// Loads the catalogue from objects.h in `directory` (the default directory when null). When the
// file is not there, warns and asks for the Level Editor's folder. On success the session has its
// catalogue, its WAD directory and source directory (graphics/wads below the Level Editor's), and
// the untitled edited WAD lives in the WAD directory. False when the user gave up or the file was
// refused (already reported).
bool locateObjectsH(Session& session, const std::string* directory);

}  // namespace kavrin
