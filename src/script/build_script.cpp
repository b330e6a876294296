#include "script/build_script.h"

#include <cerrno>
#include <cstdarg>
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
#include "framework/text_format.h"
#include "script/script_line.h"
#include "script/script_reader.h"

namespace kavrin {

namespace {

// Scripts older than this name WAD sets only.
constexpr int FIRST_VERSION_WITH_LEVELS = 2;

bool refuse(Ui& ui, const char* title, const char* format, ...) KAVRIN_PRINTF(3, 4);
bool refuse(Ui& ui, const char* title, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatV(format, args);
    va_end(args);
    showMessage(ui, MessageStyle::ErrorOk, title, "%s", text.c_str());
    return false;
}

// Where the set goes: the WAD directory, under the script's base name. Building over an existing
// set asks first, and may take another name; null when the user gives up.
std::unique_ptr<FileRecord> outputRecord(Session& session, const FileRecord& script, bool build) {
    std::unique_ptr<FileRecord> output =
        makeFileRecord(FILE_WAS, session.wadDirectory, script.name);
    if (!build || !pathExists(output->path)) return output;
    switch (showMessage(session.ui, MessageStyle::WarningYesNoCancel, "Save Wad",
                        "%s\nThis file already exists.\n\nReplace existing file?",
                        output->path.c_str())) {
        case Button::Yes:
            return output;
        case Button::No:
            if (chooseFile(session.ui, true, "Save Wad As", FILE_WAS, true, output)) return output;
            return nullptr;
        default:
            return nullptr;
    }
}

bool acceptHeader(Ui& ui, const std::string& line, int& version) {
    ScriptHeader header = parseScriptHeader(line);
    if (!header.magic) {
        return refuse(ui, "Invalid Script Header", "%s",
                      "Error in script file at line 0.\nMissing script header.");
    }
    if (!header.numbered) {
        return refuse(ui, "Invalid Script Version", "%s",
                      "Error in script file line 0.\nInvalid script version specification.");
    }
    if (header.version > SCRIPT_VERSION) {
        return refuse(ui, "Unsupported Script Version",
                      "Error in script file line 0.\nScript is version %d, this version of %s "
                      "supports up to version %d.",
                      header.version, "Kavrin", SCRIPT_VERSION);
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

// Checks one object line and places its object; false when the run has to stop, after a message
// or after the user gave up looking for a source.
bool placeLine(Session& session, const std::string& text, int version, int line) {
    Ui& ui = session.ui;
    ObjectLine object = parseObjectLine(text);
    uint32_t kind = REF_WAD_SET;
    // A line that ends before its type has no type to blame; it is reported as malformed below.
    if (object.fields >= 2) {
        if (version >= FIRST_VERSION_WITH_LEVELS && equalsIgnoringCase(object.type, "TR4")) {
            kind = REF_LEVEL;
        } else if (!equalsIgnoringCase(object.type, "WAD")) {
            return refuse(ui, "Kavrin", "Invalid source file type \"%s\" on line %d\n",
                          object.type.c_str(), line);
        }
    }
    if (object.fields < 4) {
        return refuse(ui, "Kavrin", "Invalid object specification in script at line %d.", line);
    }
    bool fromLevel = kind == REF_LEVEL;
    std::string refusal = placementRefusal(object, fromLevel, line);
    if (!refusal.empty()) return refuse(ui, "Kavrin", "%s", refusal.c_str());

    ReferenceSource* source = findOrLoadReference(session, kind, object.name);
    if (!source) return false;
    auto sourceSlot = static_cast<uint32_t>(object.sourceObject);
    const ObjectEntry* entry = findEntry(session, *source, sourceSlot);
    if (!entry) {
        return refuse(ui, "Kavrin",
                      "Invalid source object ID %d at line %d.\nThe %s %s does not exist in the "
                      "%s %s.",
                      object.sourceObject, line, std::string(slotName(session, sourceSlot)).c_str(),
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
        return refuse(ui, "Kavrin", "Unable to open %s for reading: %d", script.path.c_str(),
                      errno);
    }
    std::unique_ptr<FileRecord> output = outputRecord(session, script, build);
    if (!output) return false;

    ScriptReader reader(file.get());
    std::string text;
    int line = 0;
    if (reader.next(text)) {
        int version = 0;
        if (!acceptHeader(ui, text, version)) return false;
        for (line = 1; reader.next(text); ++line) {
            if (!placeLine(session, text, version, line)) return false;
        }
    }
    if (reader.error() != 0) {
        return refuse(ui, "Kavrin", "Error reading script at line %d, error = %d\n", line,
                      reader.error());
    }
    if (session.edited.occupiedCount == 0) {
        return refuse(ui, "Kavrin", "%s", "There are not objects defined in the script.\n");
    }
    if (withDependencies) addMissingDependencies(session);
    if (build) return saveWadSet(session, *output);
    session.edited.editedWasFile = makeFileRecord(FILE_WAS, output->directory, output->name);
    updateTitle(session);
    return true;
}

}  // namespace kavrin
