// Opening a document or a web address with the desktop, and what to say when that fails.
#pragma once

#include <string>

namespace kavrin {

struct Ui;

// The shell's documented launch failure codes that a backend may report.
inline constexpr int LAUNCH_NO_ASSOCIATION = 31;

// The sentence for a launch failure code.
std::string launchErrorText(int code);

// Help, On-line Help: opens the help address in the browser, or says where the help is.
void showOnlineHelp(Ui& ui);

}  // namespace kavrin
