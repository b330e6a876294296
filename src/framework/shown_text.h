// What a message shows of the things it names, in the form the user meets them elsewhere: error
// numbers with their meaning, paths as the file manager lists them, line numbers as an editor
// counts them. (Text read from a file is quoted through escapedText, text_format.h.)
#pragma once

#include <cstddef>
#include <string>

namespace kavrin {

// The error number followed by the system's description of it: "13 (Permission denied)".
std::string errorText(int error);

// The path as it exists on disk, letter case included (angkor.sam, not angkor.SAM); a path that
// does not exist is shown as given.
std::string shownPath(const std::string& path);

// A text that starts with a letter and a right-aligned number ("M  7", "S 12 ..."), as a window
// shows it: the blanks that pad the number become figure spaces (U+2007, in UTF-8), which are as
// wide as a digit, so the numbers line up in a proportional font.
std::string alignedNumberText(const std::string& text);

// The number an editor shows for the line of index `index` (counted from 0).
inline int shownLine(size_t index) {
    return static_cast<int>(index) + 1;
}

}  // namespace kavrin
