// Runs kavrin-cli as a user would, for the tests of its commands (built with KAVRIN_CLI_PATH).
#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <string>

namespace kavrin::test {

// Runs kavrin-cli with `arguments` in `directory`; returns its exit code and appends what it
// printed (standard output and error) to `out`. Arguments are quoted with single quotes, as for a
// POSIX shell; on Windows they become the double quotes of cmd.exe.
inline int runCli(const std::string& directory, const std::string& arguments, std::string& out) {
#ifdef _WIN32
    std::string command = "cd /d \"" + directory + "\" && \"" KAVRIN_CLI_PATH "\" " + arguments;
    std::replace(command.begin(), command.end(), '\'', '"');
    std::FILE* pipe = _popen((command + " 2>&1").c_str(), "r");  // text mode: lines end in \n
#else
    std::string command = "cd '" + directory + "' && '" KAVRIN_CLI_PATH "' " + arguments;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
#endif
    char chunk[256];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        out.append(chunk, n);
#ifdef _WIN32
    return pipe ? _pclose(pipe) : -1;
#else
    int status = pipe ? pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace kavrin::test
