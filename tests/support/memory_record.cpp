#include "support/memory_record.h"

#include "framework/file_types.h"

namespace kavrin::test {

std::unique_ptr<FileRecord> recordHolding(uint32_t type, std::string_view bytes) {
    auto record = makeFileRecord(type, "test", "mem");
    record->size = static_cast<uint32_t>(bytes.size());
    record->buffer.assign(bytes.begin(), bytes.end());
    record->buffer.push_back(0);
    return record;
}

bool parseRecord(FileRecord& record, ParseContext& context) {
    return fileType(record.type).parse(record, context);
}

}  // namespace kavrin::test
