// The console backend of the ui port: messages go to stderr as "Title: text", questions are
// answered by the command's flags, a folder picker names the folder it would have started in and
// cancels, and long operations draw a progress bar on a terminal.
#pragma once

#include "framework/ui.h"

namespace kavrin::cli {

struct ConsoleOptions {
    bool answerYes = false;  // --yes: questions are answered Yes; otherwise No (or Cancel)
    bool progressBar = true; // drawn only when stderr is a terminal
};

Ui makeConsoleUi(const ConsoleOptions& options);

// True once any console ui has shown an error: the job did not fully succeed, whatever the
// command went on to do.
bool consoleShowedError();

}  // namespace kavrin::cli
