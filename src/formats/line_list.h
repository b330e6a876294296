// The Level Editor's line lists (.WAS, .SAM): one entry per line, up to a fixed number of lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace kavrin {

struct FileRecord;
struct Ui;

// Calls `onLine` for each line of the record's text in order, with the offset where the line
// starts. A line past `limit` lines refuses the file with the line-count message. False when the
// file is refused or `onLine` returns false (having said why).
bool forEachListLine(Ui& ui, const FileRecord& record, uint32_t limit,
                     const std::function<bool(std::string_view line, size_t start)>& onLine);

}  // namespace kavrin
