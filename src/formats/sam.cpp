#include "formats/line_list.h"
#include "formats/sound_files.h"
#include "framework/file_record.h"

namespace kavrin {

bool parseSam(FileRecord& record, ParseContext& context) {
    SoundNames names;
    bool read =
        forEachListLine(context.ui, record, SAM_MAX_LINES, [&](std::string_view line, size_t) {
            names.lines.emplace_back(line);
            return true;
        });
    if (!read) return false;
    record.contents = std::move(names);
    return true;
}

}  // namespace kavrin
