// What kavrin-cli needs of the console it runs in.
#pragma once

namespace kavrin::cli {

// Makes a Windows console show the program's UTF-8 output (file names) as such; elsewhere the
// terminal already does.
void useUtf8Console();

// True when standard error is a terminal that understands the line-clearing sequence the
// progress bar uses; a Windows console is switched to understand it first.
bool stderrIsRedrawableTerminal();

}  // namespace kavrin::cli
