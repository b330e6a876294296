#include "editing/reference_collection.h"

#include <span>

#include "editing/parsed_contents.h"
#include "editing/session.h"
#include "editing/set_agreement.h"
#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/choose_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/refusal.h"
#include "framework/text_format.h"
#include "level/level_conversion.h"
#include "level/level_reader.h"

namespace kavrin {

std::unique_ptr<ReferenceSource> makeReferenceSource(uint32_t kind, const std::string& name) {
    auto source = std::make_unique<ReferenceSource>();
    source->kind = kind;
    source->name = name;
    source->fileName = name + (kind == REF_LEVEL ? ".tr4" : fileType(FILE_WAS).extension);
    source->rootEntry.owner = source.get();
    source->rootEntry.index = -1;
    source->rootEntry.objectNumber = static_cast<uint32_t>(-1);
    return source;
}

namespace {

// One entry per moveable, sprite sequence and static mesh, in that order.
void makeEntries(ReferenceSource& source, std::span<const Moveable> moveables,
                 std::span<const SpriteSequence> sequences, std::span<const StaticMesh> statics) {
    auto add = [&](uint32_t isMoveable, uint32_t objectNumber, uint32_t slot, size_t kindIndex) {
        ObjectEntry entry;
        entry.owner = &source;
        entry.index = static_cast<int32_t>(source.entries.size());
        entry.isMoveable = isMoveable;
        entry.objectNumber = objectNumber;
        entry.slot = slot;
        entry.kindIndex = static_cast<uint32_t>(kindIndex);
        source.entries.push_back(entry);
    };
    source.entries.reserve(moveables.size() + sequences.size() + statics.size());
    for (size_t i = 0; i < moveables.size(); ++i)
        add(1, moveables[i].slot, moveables[i].slot, i);
    // Sprite sequences count on from the moveables in the source's object data.
    for (size_t k = 0; k < sequences.size(); ++k) {
        add(1, sequences[k].slot, sequences[k].slot, moveables.size() + k);
    }
    for (size_t j = 0; j < statics.size(); ++j) {
        uint32_t number = statics[j].staticNumber;
        add(0, number, number + FIRST_STATIC_SLOT, j);
    }
}

bool soundCountsAgree(Ui& ui, const ReferenceSource& source) {
    const SoundResources* sfx = parsedContents<SoundResources>(ui, source.sfxFile);
    const SoundNames* sam = sfx ? parsedContents<SoundNames>(ui, source.samFile) : nullptr;
    if (!sam) return false;
    if (sfx->sampleValues.size() == sam->lines.size()) return true;
    return refuseFile(
        ui, source.samFile->path, "Mismatch in number of sound samples: SFX has %d, SAM has %d",
        static_cast<int>(sfx->sampleValues.size()), static_cast<int>(sam->lines.size()));
}

// Reads the five files of the set and makes the entries; the progress window stays up on success.
std::unique_ptr<ReferenceSource> loadWadSet(Session& session, const FileRecord& set) {
    Ui& ui = session.ui;
    std::unique_ptr<ReferenceSource> source = makeReferenceSource(REF_WAD_SET, set.name);
    const char* name = set.name.c_str();
    auto extension = [](uint32_t type) { return fileType(type).extension; };
    progressBegin(ui, format("Loading %s Wad...", name).c_str(), 0, 530, 10, "Reading %s%s", name,
                  extension(FILE_WAS));
    // A save of this set that was cut short is finished, or undone, before its files are read.
    settleFileSet(set.directory, set.name);

    ParseContext context = session.parseContext();
    auto load = [&](std::unique_ptr<FileRecord>& field, uint32_t type) {
        field = deriveFileRecord(set, type);
        return loadFile(*field, context);
    };
    bool loaded = load(source->wasFile, FILE_WAS);
    if (loaded) {
        progressSet(ui, 0, "Reading %s%s", name, extension(FILE_WAD));  // the reader moves the bar
        loaded = load(source->wadFile, FILE_WAD);
    }
    if (loaded) {
        progressStep(ui, "Reading %s%s", name, extension(FILE_SFX));
        loaded = load(source->sfxFile, FILE_SFX);
    }
    if (loaded) {
        progressStep(ui, "Reading %s%s", name, extension(FILE_SAM));
        loaded = load(source->samFile, FILE_SAM) && soundCountsAgree(ui, *source);
    }
    if (loaded) {
        progressStep(ui, "Reading %s%s", name, extension(FILE_SWD));
        loaded = load(source->swdFile, FILE_SWD) && buildEntryTable(ui, *source);
    }
    if (!loaded) {
        releaseReference(source);
        progressEnd(ui);
        return nullptr;
    }
    if (session.catalogue) warnOfDisagreement(ui, *session.catalogue, *source);
    source->loadOrder = session.nextLoadOrder++;
    return source;
}

ReferenceSource& listAtHead(Session& session, std::unique_ptr<ReferenceSource> source) {
    session.references.insert(session.references.begin(), std::move(source));
    return *session.references.front();
}

}  // namespace

bool buildEntryTable(Ui& ui, ReferenceSource& source) {
    const ObjectWad* wad = parsedContents<ObjectWad>(ui, source.wadFile);
    const SpriteWad* swd = wad ? parsedContents<SpriteWad>(ui, source.swdFile) : nullptr;
    const SoundResources* sfx = swd ? parsedContents<SoundResources>(ui, source.sfxFile) : nullptr;
    const SoundNames* sam = sfx ? parsedContents<SoundNames>(ui, source.samFile) : nullptr;
    if (!sam) return false;
    makeEntries(source, wad->moveables, swd->sequences, wad->statics);

    ObjectSourceBlock& block = source.block;
    block.sampleNames = sam->lines;
    block.soundMap = sfx->soundMap;
    block.soundInfos = sfx->infos;
    block.samples = sfx->sampleValues;
    block.spriteTextures = swd->sprites;
    block.spriteData = swd->page;
    block.spriteSequences = swd->sequences;
    block.textures = wad->textures;
    block.texturePages = wad->texturePages;
    viewObjectRecords(block, *wad);
    block.meshInfo = wad->meshInfos;
    block.meshSize = wad->meshSizes;
    block.meshOfPointer = wad->meshOfPointer;
    block.moveableAnimEnd = wad->moveableAnimEnd;
    block.animCommandEnd = wad->animCommandEnd;
    block.animFrameEnd = wad->animFrameEnd;
    block.animOwner = wad->animOwner;
    block.version = wad->version;
    block.meshPointers = wad->meshPointers;
    block.meshWordCount = wad->meshWordCount;
    return true;
}

ReferenceSource* loadWadSetReference(Session& session, const FileRecord& set) {
    std::unique_ptr<ReferenceSource> loaded = loadWadSet(session, set);
    if (!loaded) return nullptr;
    progressStep(session.ui, "Adding %s wad to Reference Objects", set.name.c_str());
    ReferenceSource& source = listAtHead(session, std::move(loaded));
    addReferenceToTree(session, source);
    progressEnd(session.ui);
    return &source;
}

std::unique_ptr<ReferenceSource> loadUnlinkedWadSet(Session& session, const FileRecord& set) {
    std::unique_ptr<ReferenceSource> source = loadWadSet(session, set);
    if (source) progressEnd(session.ui);
    return source;
}

ReferenceSource* loadLevelReference(Session& session, std::unique_ptr<FileRecord> level) {
    Ui& ui = session.ui;
    std::string name = level->name;
    progressBegin(ui, format("Loading %s.tr4...", name.c_str()).c_str(), 0, 425, 50,
                  "Reading %s.tr4", name.c_str());
    deriveFileRecordInPlace(*level, FILE_LEVEL_REFERENCE);
    ParseContext context = session.parseContext();
    LevelRecord* record =
        loadFile(*level, context) ? parsedContents<LevelRecord>(ui, level) : nullptr;
    if (!record) {
        progressEnd(ui);
        return nullptr;
    }

    std::unique_ptr<ReferenceSource> loaded = makeReferenceSource(REF_LEVEL, name);
    loaded->levelFile = std::move(level);
    makeEntries(*loaded, record->moveables, {}, record->statics);
    loaded->loadOrder = session.nextLoadOrder++;
    ReferenceSource& source = listAtHead(session, std::move(loaded));
    source.convertedLevel = std::make_unique<ConvertedLevel>();
    source.block = convertLevel(ui, *record, *source.convertedLevel);
    addReferenceToTree(session, source);
    progressEnd(ui);
    return &source;
}

ReferenceSource* findOrLoadReference(Session& session, uint32_t kind, const std::string& name) {
    if (kind != REF_WAD_SET && kind != REF_LEVEL) return nullptr;
    for (const std::unique_ptr<ReferenceSource>& source : session.references) {
        if (source->kind == kind && source->name == name) return source.get();
    }
    uint32_t type = kind == REF_WAD_SET ? FILE_WAD : FILE_LEVEL_REFERENCE;
    std::unique_ptr<FileRecord> record = makeFileRecord(type, session.sourceDirectory, name);
    if (!pathExists(record->path)) {
        const char* extension = fileType(type).extension;
        std::string prompt = format(
            "Could not find the %s%s file in the current directory.  Specify the directory for "
            "%s%s.",
            name.c_str(), extension, name.c_str(), extension);
        if (!browseForFolder(session.ui, *record, true, prompt.c_str())) return nullptr;
        deriveFileRecordInPlace(*record, type);
        // Later sources of the same script are looked for here first.
        session.sourceDirectory = record->directory;
    }
    if (kind == REF_WAD_SET) return loadWadSetReference(session, *record);
    return loadLevelReference(session, std::move(record));
}

ReferenceSource* findListedSource(const Session& session, uint32_t kind, const FileRecord& record) {
    uint32_t type = kind == REF_LEVEL ? FILE_LEVEL_REFERENCE : FILE_WAS;
    std::string wanted = deriveFileRecord(record, type)->path;
    for (const std::unique_ptr<ReferenceSource>& source : session.references) {
        const std::unique_ptr<FileRecord>& file =
            source->kind == REF_LEVEL ? source->levelFile : source->wasFile;
        if (source->kind == kind && file && sameFile(file->path, wanted)) return source.get();
    }
    return nullptr;
}

void selectEntry(Session& session, const ObjectEntry& entry) {
    session.selectedEntry = &entry;
    showEntrySelected(session.view, entry);
}

namespace {

size_t rootPosition(const Session& session, const ReferenceSource& source) {
    size_t position = 0;
    for (const std::unique_ptr<ReferenceSource>& other : session.references) {
        if (other.get() != &source && compareIgnoringCase(other->fileName, source.fileName) <= 0) {
            ++position;
        }
    }
    return position;
}

}  // namespace

void addReferenceToTree(Session& session, ReferenceSource& source) {
    showReferenceAdded(session.view, source, rootPosition(session, source));
}

void releaseReference(std::unique_ptr<ReferenceSource>& source) {
    if (!source) return;
    releaseFileRecord(source->samFile);
    releaseFileRecord(source->sfxFile);
    releaseFileRecord(source->swdFile);
    releaseFileRecord(source->wadFile);
    releaseFileRecord(source->wasFile);
    source.reset();
}

}  // namespace kavrin
