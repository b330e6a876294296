#include "framework/text_lines.h"

namespace kavrin {

bool LineReader::next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    lineStart_ = position_;
    size_t end = text_.find('\r', position_);
    if (end == std::string_view::npos) {
        line = text_.substr(position_);
        position_ = text_.size();
        return true;
    }
    line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    return true;
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

}  // namespace kavrin
