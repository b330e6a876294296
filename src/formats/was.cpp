#include "formats/was.h"

#include "formats/catalogue.h"
#include "formats/line_list.h"
#include "framework/file_record.h"
#include "framework/refusal.h"
#include "framework/shown_text.h"
#include "framework/text_format.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// Adds one "LABEL:value" line; false after telling why the line cannot be used.
bool addLine(WadScript& script, std::string_view line, const ObjectCatalogue& catalogue, Ui& ui,
             const std::string& path) {
    const uint32_t index = script.lineCount();
    size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                    "Invalid WAS file:\nMissing semicolon on line %d in %s!", shownLine(index),
                    shownPath(path).c_str());
        return false;
    }
    std::string_view label = line.substr(0, colon);
    // The sprite objects are known by their exact spelling, whatever the catalogue holds.
    if (label == "SKY_GRAPHICS") {
        script.skyGraphicsLine = static_cast<int32_t>(index);
    } else if (label == "DEFAULT_SPRITES") {
        script.defaultSpritesLine = static_cast<int32_t>(index);
    } else if (!findLabel(catalogue, label)) {
        return refuseFile(ui, path, "The label \"%s\" on line %d does not exist in objects.h\n",
                          escapedText(label).c_str(), shownLine(index));
    }
    script.lineLabels.emplace_back(label);
    script.lineValues.emplace_back(line.substr(colon + 1));
    return true;
}

}  // namespace

bool parseWas(FileRecord& record, ParseContext& context) {
    Ui& ui = context.ui;
    // Every label is checked against the catalogue, so a list read without one would be unchecked.
    if (!context.catalogue) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin Internal Error",
                    "%s cannot be read before objects.h is loaded", record.path.c_str());
        return false;
    }
    WadScript script;
    progressMark(ui, "Reading %s%s", record.name.c_str(), ".WAS");
    bool read =
        forEachListLine(ui, record, WAS_MAX_LINES, [&](std::string_view line, size_t start) {
            progressSet(ui, static_cast<int>(uint64_t{start} * 100 / record.size), nullptr);
            return addLine(script, line, *context.catalogue, ui, record.path);
        });
    if (!read) return false;
    record.contents = std::move(script);
    return true;
}

}  // namespace kavrin
