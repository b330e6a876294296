// Check Wad: everything that stands between the edited WAD and a good save, listed at once: what
// its objects need from their sources and lack, what building its set would report, and every
// limit the set would pass.
#pragma once

#include <string>
#include <vector>

#include "save/set_budget.h"

namespace kavrin {

struct Session;

struct WadCheck {
    SetBudget budget;
    std::vector<std::string> findings;  // one text each; none when the set is fine to save
};

WadCheck checkWad(Session& session);

// The budget line, then every finding in a paragraph of its own (or that nothing was found).
std::string wadCheckReport(const WadCheck& check);

// The Check Wad command: the report in a message box titled "Check Wad".
void showWadCheck(Session& session);

}  // namespace kavrin
