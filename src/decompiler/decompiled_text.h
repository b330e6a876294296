// What the two decompilers share: reading NUL-terminated texts and writing the decompiled text.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/bytes.h"

namespace kavrin {

struct FileRecord;
struct Ui;

// The text at the cursor up to its NUL, without the NUL; the cursor moves past the NUL. When no
// NUL comes before the end, the cursor fails and nothing is taken.
std::span<const uint8_t> takeNulTerminated(ByteCursor& cursor);

// Writes `text`, each "\n" ending a line with CR LF, beside the record's input under the same name
// with ".txt"; the record's path becomes the output path. A name that would make the output the
// input itself is refused, so the input survives. False after a message.
bool writeDecompiledText(Ui& ui, FileRecord& record, const std::string& text);

}  // namespace kavrin
