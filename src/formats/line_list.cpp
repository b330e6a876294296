#include "formats/line_list.h"

#include "framework/file_record.h"
#include "framework/shown_text.h"
#include "framework/text_lines.h"
#include "framework/ui.h"

namespace kavrin {

bool forEachListLine(Ui& ui, const FileRecord& record, uint32_t limit,
                     const std::function<bool(std::string_view line, size_t start)>& onLine) {
    LineReader reader(record.text());
    std::string_view line;
    for (uint32_t count = 0; reader.next(line); ++count) {
        if (count == limit) {
            showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "Number of lines in %s exceeds %d!",
                        shownPath(record.path).c_str(), static_cast<int>(limit));
            return false;
        }
        if (!onLine(line, reader.lineStart())) return false;
    }
    return true;
}

}  // namespace kavrin
