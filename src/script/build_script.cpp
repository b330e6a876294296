#include "script/build_script.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "save/save_pipeline.h"
#include "editing/edited_wad_commands.h"
#include "editing/entries.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/refusal.h"
#include "framework/shown_text.h"
#include "framework/text_format.h"
#include "script/script_line.h"
#include "script/script_reader.h"

namespace kavrin {

namespace {

// Scripts older than this name WAD sets only.
constexpr int FIRST_VERSION_WITH_LEVELS = 2;

// Where the set goes: the WAD directory, under the script's base name. Building over an existing
// set asks first, and may take another name; null when the user gives up.
std::unique_ptr<FileRecord> outputRecord(Session& session, const FileRecord& script, bool build) {
    std::unique_ptr<FileRecord> output =
        makeFileRecord(FILE_WAS, session.wadDirectory, script.name);
    if (!build || !pathExists(output->path)) return output;
    switch (showMessage(session.ui, MessageStyle::WarningYesNoCancel, "Save Wad",
                        "%s\nThis file already exists.\n\nReplace existing file?",
                        shownPath(output->path).c_str())) {
        case Button::Yes:
            return output;
        case Button::No:
            if (chooseFile(session.ui, true, "Save Wad As", FILE_WAS, true, output)) return output;
            return nullptr;
        default:
            return nullptr;
    }
}

// Messages about the script name it and count its lines as an editor does, the header being line 1.
bool acceptHeader(Ui& ui, const FileRecord& script, const std::string& line, int& version) {
    const int headerLine = shownLine(0);
    ScriptHeader header = parseScriptHeader(line);
    if (!header.magic) {
        return refuseFileTitled(ui, "Invalid Script Header", script.path,
                                "Error in script file at line %d.\nMissing script header.",
                                headerLine);
    }
    if (!header.numbered) {
        return refuseFileTitled(
            ui, "Invalid Script Version", script.path,
            "Error in script file line %d.\nInvalid script version specification.", headerLine);
    }
    if (header.version > SCRIPT_VERSION) {
        return refuseFileTitled(ui, "Unsupported Script Version", script.path,
                                "Error in script file line %d.\nScript is version %d, this version "
                                "of %s supports up to version %d.",
                                headerLine, header.version, "Kavrin", SCRIPT_VERSION);
    }
    version = header.version;
    return true;
}

// Why the line's object may not go where the line puts it, before any source is looked at; empty
// when nothing stands in the way.
std::string placementRefusal(const ObjectLine& object, bool fromLevel, int line) {
    auto outsideSlots = [](int number) { return number < 0 || number >= int{SLOT_COUNT}; };
    if (outsideSlots(object.destination)) {
        return format("Invalid destination object ID %d at line %d.", object.destination, line);
    }
    if (outsideSlots(object.sourceObject)) {
        return format("Invalid source object ID %d at line %d.", object.sourceObject, line);
    }
    auto destination = static_cast<uint32_t>(object.destination);
    auto source = static_cast<uint32_t>(object.sourceObject);
    if (destination == MISC_SPRITES_SLOT || source == MISC_SPRITES_SLOT) {
        return format("The MISC_SPRITES object, #%d, is not supported.", int{MISC_SPRITES_SLOT});
    }
    // The same rules as for placing an object by hand into another object's slot.
    if (const char* refusal = replaceRefusal(destination, source, source < FIRST_STATIC_SLOT)) {
        return format("Invalid object addition at line %d.\n%s", line, refusal);
    }
    // A level keeps no sprites that a WAD set could take.
    if (fromLevel && source == SKY_GRAPHICS_SLOT) {
        return "Adding SKY_GRAPHICS from a level is not supported yet.";
    }
    if (fromLevel && source == DEFAULT_SPRITES_SLOT) {
        return "Adding DEFAULT_SPRITES from a level is not supported yet.";
    }
    return {};
}

// The first entry of the source that fills `slot`.
const ObjectEntry* findEntry(const Session& session, const ReferenceSource& source, uint32_t slot) {
    if (!session.catalogue) return nullptr;
    for (const ObjectEntry& entry : source.entries) {
        if (placeableSlot(*session.catalogue, entry) == slot) return &entry;
    }
    return nullptr;
}

// Checks one object line (`line` as an editor counts it) and places its object; false when the run
// has to stop, after a message or after the user gave up looking for a source.
bool placeLine(Session& session, const FileRecord& script, const std::string& text, int version,
               int line) {
    Ui& ui = session.ui;
    ObjectLine object = parseObjectLine(text);
    uint32_t kind = REF_WAD_SET;
    // A line that ends before its type has no type to blame; it is reported as malformed below.
    if (object.fields >= 2) {
        if (version >= FIRST_VERSION_WITH_LEVELS && equalsIgnoringCase(object.type, "TR4")) {
            kind = REF_LEVEL;
        } else if (!equalsIgnoringCase(object.type, "WAD")) {
            return refuseFile(ui, script.path, "Invalid source file type \"%s\" on line %d\n",
                              escapedText(object.type).c_str(), line);
        }
    }
    if (object.fields < 4) {
        return refuseFile(ui, script.path, "Invalid object specification in script at line %d.",
                          line);
    }
    bool fromLevel = kind == REF_LEVEL;
    std::string refusal = placementRefusal(object, fromLevel, line);
    if (!refusal.empty()) return refuseFile(ui, script.path, "%s", refusal.c_str());

    ReferenceSource* source = findOrLoadReference(session, kind, object.name);
    if (!source) return false;
    auto sourceSlot = static_cast<uint32_t>(object.sourceObject);
    const ObjectEntry* entry = findEntry(session, *source, sourceSlot);
    if (!entry) {
        return refuseFile(ui, script.path,
                          "Invalid source object ID %d at line %d.\nThe %s %s does not exist in "
                          "the %s %s.",
                          object.sourceObject, line,
                          std::string(slotName(session, sourceSlot)).c_str(),
                          sourceSlot < FIRST_STATIC_SLOT ? "moveable" : "static mesh",
                          object.name.c_str(), fromLevel ? "level" : "wad");
    }
    placeEntryAt(session, static_cast<uint32_t>(object.destination), *entry);
    return true;
}

}  // namespace

bool runBuildScript(Session& session, bool build) {
    std::unique_ptr<FileRecord> script;
    if (!chooseFile(session.ui, false, nullptr, FILE_BUILD_SCRIPT, true, script)) return false;
    return runBuildScriptFile(session, *script, build);
}

bool runBuildScriptFile(Session& session, const FileRecord& script, bool build,
                        bool withDependencies) {
    Ui& ui = session.ui;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(resolveExistingPath(script.path).c_str(), "rb"), std::fclose);
    if (!file) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "Unable to open %s for reading: %s",
                    shownPath(script.path).c_str(), errorText(errno).c_str());
        return false;
    }
    std::unique_ptr<FileRecord> output = outputRecord(session, script, build);
    if (!output) return false;

    ScriptReader reader(file.get());
    std::string text;
    size_t index = 0;  // of the line being read, the header's being 0
    if (reader.next(text)) {
        int version = 0;
        if (!acceptHeader(ui, script, text, version)) return false;
        for (index = 1; reader.next(text); ++index) {
            if (!placeLine(session, script, text, version, shownLine(index))) return false;
        }
    }
    if (reader.error() != 0) {
        return refuseFile(ui, script.path, "Error reading script at line %d, error = %s\n",
                          shownLine(index), errorText(reader.error()).c_str());
    }
    if (session.edited.occupiedCount == 0) {
        return refuseFile(ui, script.path, "%s", "There are not objects defined in the script.\n");
    }
    if (withDependencies) addMissingDependencies(session);
    if (build) return saveWadSet(session, *output);
    session.edited.editedWasFile = makeFileRecord(FILE_WAS, output->directory, output->name);
    updateTitle(session);
    return true;
}

}  // namespace kavrin
