#include "editing/session.h"

#include "decompiler/language_strings.h"
#include "editing/entries.h"
#include "editing/rows.h"
#include "framework/file_types.h"
#include "framework/program_info.h"
#include "framework/text_format.h"

namespace kavrin {

Session::Session() : languageStrings(std::make_unique<LanguageStrings>()) {
    edited.editedWasFile = makeFileRecord(FILE_WAS, wadDirectory, "");
    fillRows(edited);
}

Session::~Session() = default;

ParseContext Session::parseContext() {
    return ParseContext{ui, catalogue, languageStrings.get()};
}

std::string_view slotName(const Session& session, uint32_t slot) {
    return session.catalogue ? slotLabel(*session.catalogue, slot) : std::string_view();
}

std::optional<uint32_t> entrySlot(const Session& session, const ObjectEntry& entry) {
    if (!session.catalogue) return std::nullopt;
    return placeableSlot(*session.catalogue, entry);
}

const char* editedWadName(const Session& session) {
    const std::string& name = session.edited.editedWasFile->name;
    return name.empty() ? "[untitled]" : name.c_str();
}

std::string windowTitle(const Session& session) {
    return format("%s - %s v%s", editedWadName(session), PROGRAM_NAME, PROGRAM_VERSION);
}

void updateTitle(Session& session) {
    showTitle(session.view, windowTitle(session));
}

}  // namespace kavrin
