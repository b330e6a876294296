#include "script/script_line.h"

#include <climits>

namespace kavrin {

namespace {

// White space as the C locale has it; a carriage return left at a line's end is white space too.
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

class Scanner {
public:
    // The scanner sees the line as a C string would: a NUL ends it.
    explicit Scanner(std::string_view line) : text_(line.substr(0, line.find('\0'))) {}

    bool literal(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }

    // A decimal number after optional white space and sign. Numbers past the range of an int are
    // held at its limits: any of them lies outside every range a script checks.
    bool integer(int& value) {
        skipSpace();
        size_t start = at_;
        bool negative = false;
        if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
            negative = text_[at_] == '-';
            ++at_;
        }
        if (at_ >= text_.size() || !isDigit(text_[at_])) {
            at_ = start;
            return false;
        }
        long long magnitude = 0;
        for (; at_ < text_.size() && isDigit(text_[at_]); ++at_) {
            if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text_[at_] - '0');
        }
        if (negative) {
            value = magnitude > -static_cast<long long>(INT_MIN) ? INT_MIN
                                                                 : static_cast<int>(-magnitude);
        } else {
            value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
        }
        return true;
    }

    // Characters up to the next white space, after optional white space; at most `limit` of them
    // when a limit is given.
    bool word(std::string& out, size_t limit = std::string_view::npos) {
        skipSpace();
        size_t start = at_;
        while (at_ < text_.size() && !isSpace(text_[at_]) && at_ - start < limit)
            ++at_;
        out = text_.substr(start, at_ - start);
        return at_ > start;
    }

private:
    void skipSpace() {
        while (at_ < text_.size() && isSpace(text_[at_]))
            ++at_;
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

ScriptHeader parseScriptHeader(std::string_view line) {
    ScriptHeader header;
    Scanner scanner(line);
    for (char c : std::string_view("KVS V")) {
        if (!scanner.literal(c)) return header;
    }
    header.magic = true;
    header.numbered = scanner.integer(header.version);
    return header;
}

ObjectLine parseObjectLine(std::string_view line) {
    ObjectLine parsed;
    Scanner scanner(line);
    if (!scanner.integer(parsed.destination)) return parsed;
    parsed.fields = 1;
    if (!scanner.literal(':') || !scanner.word(parsed.type, 3)) return parsed;
    parsed.fields = 2;
    if (!scanner.literal(':') || !scanner.integer(parsed.sourceObject)) return parsed;
    parsed.fields = 3;
    if (!scanner.literal(':') || !scanner.word(parsed.name)) return parsed;
    parsed.fields = 4;
    return parsed;
}

}  // namespace kavrin
