#include "fuzz_support.h"

#include "framework/file_types.h"

namespace kavrin::fuzz {

Ui& silentUi() {
    static Ui ui;
    return ui;
}

bool parseBytes(uint32_t type, const uint8_t* data, size_t size, ParseContext& context) {
    FileRecord record;
    return parseBytes(type, data, size, context, record);
}

bool parseBytes(uint32_t type, const uint8_t* data, size_t size, ParseContext& context,
                FileRecord& record) {
    record.type = type;
    record.path = "fuzz";
    record.name = "fuzz";
    record.size = static_cast<uint32_t>(size);
    record.buffer.assign(data, data + size);
    record.buffer.push_back(0);
    return fileType(type).parse(record, context);
}

}  // namespace kavrin::fuzz
