#include "decompiler/decompiled_text.h"

#include <algorithm>

#include "framework/file_output.h"
#include "framework/file_record.h"
#include "framework/paths.h"
#include "framework/refusal.h"

namespace kavrin {

std::span<const uint8_t> takeNulTerminated(ByteCursor& cursor) {
    size_t start = cursor.offset();
    std::span<const uint8_t> rest = cursor.take(cursor.remaining());
    auto nul = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (nul == rest.end()) {
        cursor.fail();
        return {};
    }
    size_t length = static_cast<size_t>(nul - rest.begin());
    cursor.seek(start + length + 1);
    return rest.first(length);
}

bool writeDecompiledText(Ui& ui, FileRecord& record, const std::string& text) {
    std::string input = record.path;
    deriveFileRecordInPlace(record, record.type, ".txt");
    // A name that already carries a dot keeps its path, and an input named .txt gets its own path
    // back: writing there would destroy the file being decompiled.
    if (resolveExistingPath(record.path) == resolveExistingPath(input)) {
        return refuseFile(ui, input, "its decompiled text would be written over the file itself");
    }
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    return writeFileReplacing(ui, record.path, lines);
}

}  // namespace kavrin
