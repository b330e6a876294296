#include "cli/terminal.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kavrin::cli {

#ifdef _WIN32

void useUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

bool stderrIsRedrawableTerminal() {
    HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) &&
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

#else

void useUtf8Console() {}

bool stderrIsRedrawableTerminal() { return isatty(STDERR_FILENO); }

#endif

}  // namespace kavrin::cli
