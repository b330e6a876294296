// What the program needs before its window opens.
#pragma once

#include <string>

namespace kavrin {

struct Session;

// Loads objects.h from the Level Editor directory (the default one when null, asking when it is
// not there) and makes the WAD directory the current directory, where the file dialogs start.
// False when the program cannot go on; the user has been told why.
bool startSession(Session& session, const std::string* trleDirectory);

}  // namespace kavrin
