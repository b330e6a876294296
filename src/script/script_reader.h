// Reading a build script line by line, as a 256-byte line buffer takes it.
#pragma once

#include <cstdio>
#include <string>

namespace kavrin {

inline constexpr size_t SCRIPT_LINE_LIMIT = 255;  // characters per line, its newline included

class ScriptReader {
public:
    explicit ScriptReader(std::FILE* file) : file_(file) {}

    // The next line with its newline, if it has one within SCRIPT_LINE_LIMIT characters; the rest
    // of a longer line comes as the next line. A carriage return before a line feed is read as
    // part of the newline, as a text-mode read on Windows would, so a script reads alike on every
    // system. False at the end of the file, or when a read failed (see error()).
    bool next(std::string& line);

    // The system's error number of the read that failed; 0 while none has.
    int error() const { return error_; }

private:
    // One character, or EOF at the end of the file or after a failed read.
    int read();

    std::FILE* file_;
    int error_ = 0;
};

}  // namespace kavrin
