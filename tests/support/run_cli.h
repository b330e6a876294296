// Runs kavrin-cli as a user would, for the tests of its commands (built with KAVRIN_CLI_PATH).
#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

namespace kavrin::test {

// What a run of kavrin-cli gave: its exit code (-1 when it could not be started) and what it
// printed, standard output and error together.
struct CliRun {
    int code = -1;
    std::string output;
    bool operator==(const CliRun&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const CliRun& run) {
    return out << "exit code " << run.code << ", printed:\n" << run.output;
}

// Runs kavrin-cli with `arguments` in `directory`. Arguments are quoted with single quotes, as for
// a POSIX shell; on Windows they become the double quotes of cmd.exe.
inline CliRun runCli(const std::string& directory, const std::string& arguments) {
#ifdef _WIN32
    std::string command = "cd /d \"" + directory + "\" && \"" KAVRIN_CLI_PATH "\" " + arguments;
    std::replace(command.begin(), command.end(), '\'', '"');
    std::FILE* pipe = _popen((command + " 2>&1").c_str(), "r");  // text mode: lines end in \n
#else
    std::string command = "cd '" + directory + "' && '" KAVRIN_CLI_PATH "' " + arguments;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
#endif
    CliRun run;
    char chunk[256];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        run.output.append(chunk, n);
#ifdef _WIN32
    run.code = pipe ? _pclose(pipe) : -1;
#else
    int status = pipe ? pclose(pipe) : -1;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return run;
}

}  // namespace kavrin::test
