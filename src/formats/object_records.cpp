#include "formats/object_records.h"

namespace kavrin {

namespace {

template <class T>
bool readSection(ByteCursor& in, std::vector<T>& out) {
    return readRecords(in, in.u32(), out);
}

bool readSection(ByteCursor& in, std::vector<uint16_t>& out) {
    out = readWords16(in, in.u32());
    return in.ok();
}

bool readSection(ByteCursor& in, std::vector<uint32_t>& out) {
    out = readWords32(in, in.u32());
    return in.ok();
}

}  // namespace

const char* readObjectRecords(ByteCursor& in, ObjectRecords& out) {
    if (!readSection(in, out.animations)) return "Animations";
    if (!readSection(in, out.stateChanges)) return "States";
    if (!readSection(in, out.dispatches)) return "Dispatches";
    if (!readSection(in, out.commands)) return "Animation Commands";
    if (!readSection(in, out.meshTrees)) return "Mesh Trees";
    if (!readSection(in, out.frames)) return "Frames";
    if (!readSection(in, out.moveables)) return "Moveables";
    if (!readSection(in, out.statics)) return "Static Meshes";
    return nullptr;
}

}  // namespace kavrin
