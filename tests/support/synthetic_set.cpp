#include "support/synthetic_set.h"

#include "editing/reference_collection.h"
#include "editing/session.h"
#include "formats/catalogue.h"
#include "formats/wad_file.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_lines.h"
#include "support/test_data.h"

namespace kavrin::test {

SyntheticSet::SyntheticSet() { sounds.soundMap.fill(NO_SOUND); }

void writeSyntheticSet(const std::string& directory, const std::string& name,
                       const SyntheticSet& set, const ObjectCatalogue& catalogue) {
    std::string was;
    auto line = [&](uint32_t slot) {
        appendLine(was, std::string(slotLabel(catalogue, slot)) + ":Z:\\made.prk");
    };
    for (const Moveable& moveable : set.wad.moveables) line(moveable.slot);
    for (const SpriteSequence& sequence : set.sprites.sequences) line(sequence.slot);
    for (const StaticMesh& mesh : set.wad.statics) line(mesh.staticNumber + FIRST_STATIC_SLOT);

    auto write = [&](uint32_t type, std::span<const uint8_t> bytes) {
        writeBytes(makeFileRecord(type, directory, name)->path, bytes);
    };
    auto text = [](const std::string& s) {
        return std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    write(FILE_WAS, text(was));
    write(FILE_WAD, wadBytes(set.wad));
    write(FILE_SWD, encodeSwdFile(set.sprites));
    write(FILE_SFX, encodeSfxFile(set.sounds));
    write(FILE_SAM, text(encodeSamFile(set.sampleNames)));
}

ReferenceSource* loadSyntheticSet(Session& session, const std::string& name,
                                  const SyntheticSet& set) {
    std::string directory = makeTempDirectory("set-" + name);
    writeSyntheticSet(directory, name, set, *session.catalogue);
    return loadWadSetReference(session, *makeFileRecord(FILE_WAS, directory, name));
}

SoundInfo soundInfo(uint16_t firstSample) {
    SoundInfo info;
    info.firstSample = firstSample;
    info.carried = {1, 2, 3, 4, 5, 6};
    return info;
}

}  // namespace kavrin::test
