// Lines of the Level Editor's text files.
//
// A line ends at a carriage return, and one line feed directly after it belongs to the line end.
// Text after the last line end is a last line; an empty text has no lines. A line feed alone does
// not end a line.
#pragma once

#include <string>
#include <string_view>

namespace kavrin {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line, without its line end; false when the text is used up.
    bool next(std::string_view& line);
    // Offset of the start of the line `next` returned last.
    size_t lineStart() const { return lineStart_; }

private:
    std::string_view text_;
    size_t position_ = 0;
    size_t lineStart_ = 0;
};

// Appends the line and the line end every text file the system writes uses: CR LF.
void appendLine(std::string& out, std::string_view line);

}  // namespace kavrin
