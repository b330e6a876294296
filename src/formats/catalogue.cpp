#include "formats/catalogue.h"

#include <algorithm>
#include <climits>

#include "framework/file_record.h"
#include "framework/refusal.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// The header is read as a stream of words: only these characters separate them, so "=", "/*"
// and ";" are words of their own kind and land in an enum like any enumerator.
bool isDelimiter(char c) {
    switch (c) {
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case '{':
        case '}':
        case ',':
            return true;
        default:
            return false;
    }
}

// The next token from `position` on, which moves past it; empty once the text is used up.
std::string_view nextToken(std::string_view text, size_t& position) {
    while (position < text.size() && isDelimiter(text[position]))
        ++position;
    size_t start = position;
    while (position < text.size() && !isDelimiter(text[position]))
        ++position;
    return text.substr(start, position - start);
}

// An optional sign and the leading digits; 0 without digits. A value past the range of int stops
// at its limit, so the version message can always show what was read.
int readDecimal(std::string_view token) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    long long value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (token[i] - '0'), INT_MAX + 1LL);
    }
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

unsigned char lowerAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int compareLabelTexts(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        int difference = lowerAscii(a[i]) - lowerAscii(b[i]);
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The two enums whose enumerators name slots, each filling its own range of slots.
struct LabelList {
    const char* enumName;
    const char* endToken;
    uint32_t firstSlot;
    uint32_t capacity;
    const char* overflowTitle;
    const char* overflowFormat;
};

const LabelList LABEL_LISTS[] = {
    {"object_types", "NUMBER_OBJECTS", 0, OBJECT_SLOT_COUNT, "Too Many Objects",
     "There are more than %d objects defined in objects.h"},
    {"static_types", "NUMBER_STATIC_OBJECTS", FIRST_STATIC_SLOT, STATIC_SLOT_COUNT,
     "Too Many Static Objects", "There are more than %d static objects defined in objects.h"},
};

enum class State { Scanning, Version, EnumName, Labels };

// Only labelled slots are indexed: a header naming fewer labels leaves nothing to compare for
// the others, and a lookup must never find a slot without a name.
void buildIndex(ObjectCatalogue& catalogue) {
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        if (!catalogue.labels[slot].empty())
            catalogue.index.push_back({catalogue.labels[slot], slot});
    }
    std::sort(
        catalogue.index.begin(), catalogue.index.end(),
        [](const LabelIndexEntry& a, const LabelIndexEntry& b) { return compareLabels(a, b) < 0; });
}

}  // namespace

int compareLabels(const LabelIndexEntry& a, const LabelIndexEntry& b) {
    return compareLabelTexts(a.label, b.label);
}

std::optional<uint32_t> findLabel(const ObjectCatalogue& catalogue, std::string_view label) {
    auto found = std::lower_bound(catalogue.index.begin(), catalogue.index.end(), label,
                                  [](const LabelIndexEntry& entry, std::string_view key) {
                                      return compareLabelTexts(entry.label, key) < 0;
                                  });
    if (found == catalogue.index.end() || compareLabelTexts(found->label, label) != 0) {
        return std::nullopt;
    }
    return found->slot;
}

std::string_view slotLabel(const ObjectCatalogue& catalogue, uint32_t slot) {
    return slot < SLOT_COUNT ? std::string_view(catalogue.labels[slot]) : std::string_view();
}

bool parseObjectsH(FileRecord& record, ParseContext& context) {
    ObjectCatalogue catalogue;
    uint32_t stored[std::size(LABEL_LISTS)] = {};
    State state = State::Scanning;
    size_t list = 0;  // the enum being read, in State::Labels

    std::string_view text = record.text();
    size_t position = 0;
    for (std::string_view token = nextToken(text, position); !token.empty();
         token = nextToken(text, position)) {
        switch (state) {
            case State::Scanning:
                if (token == "OBJECT_VERSION") state = State::Version;
                if (token == "enum") state = State::EnumName;
                break;
            case State::Version: {
                int version = readDecimal(token);
                catalogue.version = static_cast<uint32_t>(version);
                if (version != static_cast<int>(OBJECT_VERSION)) {
                    return refuseFileTitled(
                        context.ui, "Invalid Objects Version", record.path,
                        "The version specified in objects.h is %d, it must be %d!", version,
                        static_cast<int>(OBJECT_VERSION));
                }
                state = State::Scanning;
                break;
            }
            case State::EnumName:
                state = State::Scanning;
                for (size_t i = 0; i < std::size(LABEL_LISTS); ++i) {
                    if (token == LABEL_LISTS[i].enumName) {
                        state = State::Labels;
                        list = i;
                    }
                }
                break;
            case State::Labels: {
                const LabelList& labels = LABEL_LISTS[list];
                if (token == labels.endToken) {
                    state = State::Scanning;
                    break;
                }
                if (stored[list] == labels.capacity) {
                    return refuseFileTitled(context.ui, labels.overflowTitle, record.path,
                                            labels.overflowFormat,
                                            static_cast<int>(labels.capacity));
                }
                catalogue.labels[labels.firstSlot + stored[list]++] = token;
                break;
            }
        }
    }

    buildIndex(catalogue);
    record.contents = std::move(catalogue);
    return true;
}

}  // namespace kavrin
