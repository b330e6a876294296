#include "formats/swd.h"

#include "framework/file_record.h"
#include "framework/refusal.h"

namespace kavrin {

// The sections are taken in file order; the first one that does not fit names the damage.
bool parseSwd(FileRecord& record, ParseContext& context) {
    SpriteWad swd;
    ByteCursor in(record.bytes());
    auto refuse = [&](const char* part) {
        return refuseFile(context.ui, record.path, "the %s run past the end of the file", part);
    };
    swd.version = in.u32();
    if (!in.ok())
        return refuseFile(context.ui, record.path, "the file ends before its version number");
    if (!readRecords(in, in.u32(), swd.sprites)) return refuse("sprite textures");
    std::span<const uint8_t> page = in.take(in.u32());
    if (!in.ok()) return refuse("page bytes");
    swd.page.assign(page.begin(), page.end());
    if (!readRecords(in, in.u32(), swd.sequences)) return refuse("sprite sequences");
    // As with the object WAD, bytes after the sequences mean the counts were misread.
    if (!in.atEnd()) {
        return refuseFile(context.ui, record.path, "%zu bytes follow the sprite sequences",
                          in.remaining());
    }
    record.contents = std::move(swd);
    return true;
}

}  // namespace kavrin
