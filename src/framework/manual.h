// The user manual, which Help, On-line Help opens and the About box names.
#pragma once

#include <string>

namespace kavrin {

struct Ui;

// The manual of a program that runs from `programDirectory`: the one installed with it (in the
// documentation folder beside the programs' folder), else the one of the build tree it was built
// in. The installed place when neither is there, so that a message can say where it belongs.
std::string manualPath(const std::string& programDirectory);

// Help, On-line Help: opens the manual in the browser, or says where it is.
void showOnlineHelp(Ui& ui, const std::string& programDirectory);

}  // namespace kavrin
