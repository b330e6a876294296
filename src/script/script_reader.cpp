#include "script/script_reader.h"

#include <cerrno>

namespace kavrin {

int ScriptReader::read() {
    errno = 0;
    int c = std::getc(file_);
    if (c == EOF && std::ferror(file_)) error_ = errno != 0 ? errno : EIO;
    return c;
}

bool ScriptReader::next(std::string& line) {
    line.clear();
    while (error_ == 0 && line.size() < SCRIPT_LINE_LIMIT) {
        int c = read();
        if (c == EOF) break;
        if (c == '\r') {
            int following = read();
            if (following == '\n') {
                c = '\n';
            } else if (following != EOF) {
                std::ungetc(following, file_);
            }
        }
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    return error_ == 0 && !line.empty();
}

}  // namespace kavrin
