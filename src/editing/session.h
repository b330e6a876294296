// The state of one running Kavrin: the catalogue, the sources, the edited WAD and the ports
// through which it talks to the user. The desktop program and kavrin-cli each hold one; tests make
// as many as they like.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editing/edited_wad.h"
#include "editing/reference_source.h"
#include "editing/view_port.h"
#include "formats/catalogue.h"
#include "framework/file_record.h"
#include "framework/ui.h"

namespace kavrin {

struct LanguageStrings;

struct Session {
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Ui ui;
    ViewPort view;

    std::unique_ptr<FileRecord> objectsH;  // lives for the whole run once loaded
    const ObjectCatalogue* catalogue = nullptr;  // the contents of objectsH
    std::string wadDirectory;     // the Level Editor directory joined with "graphics/wads"
    std::string sourceDirectory;  // where build scripts look for their sources

    ReferenceList references;  // newest first
    const ObjectEntry* selectedEntry = nullptr;  // from the view: the selected tree item's entry
    uint32_t nextLoadOrder = 1;

    EditedWad edited;
    std::unique_ptr<LanguageStrings> languageStrings;  // shared by the two decompilers

    // What a file's parse needs of the session.
    ParseContext parseContext();
};

// The catalogue label of a slot; empty when the slot has none or no catalogue is loaded yet.
std::string_view slotName(const Session& session, uint32_t slot);

// The slot an entry fills (placeableSlot); none as well before the catalogue is loaded.
std::optional<uint32_t> entrySlot(const Session& session, const ObjectEntry& entry);

// The edited WAD's name, or "[untitled]" before it has one.
const char* editedWadName(const Session& session);
// "<name> - Kavrin v2.00", the name being editedWadName's.
std::string windowTitle(const Session& session);
// Tells the view the title, after a command changed the edited WAD's name.
void updateTitle(Session& session);

}  // namespace kavrin
