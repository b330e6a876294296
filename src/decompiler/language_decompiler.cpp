#include "decompiler/language_decompiler.h"

#include <array>
#include <span>
#include <vector>

#include "decompiler/decompiled_text.h"
#include "decompiler/language_escaping.h"
#include "decompiler/language_strings.h"
#include "framework/bytes.h"
#include "framework/file_record.h"
#include "framework/refusal.h"

namespace kavrin {

namespace {

struct StringGroup {
    const char* heading;
    uint16_t count;
};

}  // namespace

bool decompileLanguage(FileRecord& record, ParseContext& context) {
    ByteCursor in(record.bytes());
    uint16_t genericCount = in.u16();
    uint16_t psxCount = in.u16();
    uint16_t pcCount = in.u16();
    const std::array<StringGroup, 3> groups = {{
        {"[Strings]\n", genericCount},
        {"\n[PSXStrings]\n", psxCount},
        {"\n[PCStrings]\n", pcCount},
    }};
    in.skip(6);  // the lengths of the three groups: the strings themselves tell them
    if (!in.ok()) {
        return refuseFile(context.ui, record.path, "its header runs past the end of the file");
    }
    size_t total = size_t{genericCount} + psxCount + pcCount;
    // The strings follow one another; their offset tables add nothing.
    if (!in.skip(2 * total)) {
        return refuseFile(context.ui, record.path,
                          "its string offset tables run past the end of the file");
    }
    std::vector<std::span<const uint8_t>> stored;
    stored.reserve(total);
    while (stored.size() < total) {
        stored.push_back(takeNulTerminated(in));
        if (!in.ok()) {
            return refuseFile(context.ui, record.path,
                              "string %zu of %zu runs past the end of the file", stored.size(),
                              total);
        }
    }

    uint8_t mask = chooseLanguageMask(stored);
    LanguageStrings table;
    table.strings.reserve(total);
    std::string text;
    auto next = stored.begin();
    for (const StringGroup& group : groups) {
        text += group.heading;
        for (uint16_t i = 0; i < group.count; ++i, ++next) {
            table.strings.push_back(decodeLanguageString(*next, mask));
            text += table.strings.back();
            text += '\n';
        }
    }
    if (!writeDecompiledText(context.ui, record, text)) return false;
    if (context.languageStrings) *context.languageStrings = std::move(table);
    return true;
}

}  // namespace kavrin
