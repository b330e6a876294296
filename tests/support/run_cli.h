// Runs kavrin-cli as a user would, for the tests of its commands (built with KAVRIN_CLI_PATH).
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kavrin::test {

// Runs kavrin-cli with `arguments` in `directory`; returns its exit code and appends what it
// printed (standard output and error) to `out`.
inline int runCli(const std::string& directory, const std::string& arguments, std::string& out) {
    std::string command = "cd '" + directory + "' && '" KAVRIN_CLI_PATH "' " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    char chunk[256];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.append(chunk, n);
    int status = pipe ? pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kavrin::test
