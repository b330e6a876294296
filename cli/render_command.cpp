// kavrin-cli render: a thumbnail of every object of a WAD set or a level, and a contact sheet of
// them all.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/level_editor_options.h"
#include "cli/source_loading.h"
#include "editing/entries.h"
#include "editing/session.h"
#include "framework/file_output.h"
#include "framework/file_record.h"
#include "framework/image_files.h"
#include "framework/paths.h"
#include "preview/contact_sheet.h"
#include "preview/object_render.h"

namespace kavrin::cli {

namespace {

struct RenderOptions {
    std::string path;
    LevelEditorOptions levelEditor;
    std::string out;
    int size = 256;
    std::string object;
    std::string sheet;
};

struct Thumbnail {
    uint32_t slot = 0;
    std::string label;
    preview::Image image;
};

bool writePng(Ui& ui, const std::string& path, const preview::Image& image) {
    std::error_code ignored;  // a directory that cannot be made is reported when written to
    std::filesystem::create_directories(std::string(directoryPart(path)), ignored);
    const ImagePixels pixels{static_cast<uint32_t>(image.width),
                             static_cast<uint32_t>(image.height), 4, image.rgba};
    if (!writeFileReplacing(ui, path, encodeImageFile(ImageFileType::Png, pixels))) return false;
    std::printf("%s\n", path.c_str());
    return true;
}

int runRender(const RenderOptions& options) {
    Session session;
    session.ui = makeConsoleUi({});
    if (!useLevelEditorOptions(session, options.levelEditor)) return 1;
    LoadedSource loaded = loadSourceAt(session, options.path);
    if (!loaded.source) return 1;

    // Objects without a slot have no label to be named by; they are left out.
    std::vector<Thumbnail> thumbnails;
    for (const ObjectEntry& entry : loaded.source->entries) {
        std::optional<uint32_t> slot = placeableSlot(*session.catalogue, entry);
        if (!slot) continue;
        std::string label(slotLabel(*session.catalogue, *slot));
        if (!options.object.empty() && !equalsIgnoringCase(label, options.object)) continue;
        thumbnails.push_back({*slot, label, preview::renderThumbnail(entry, options.size)});
    }
    if (!options.object.empty() && thumbnails.empty()) {
        showMessage(session.ui, MessageStyle::ErrorOk, "Kavrin", "%s holds no object labelled %s.",
                    loaded.source->fileName.c_str(), options.object.c_str());
        return 1;
    }

    std::vector<preview::SheetItem> sheet;
    for (const Thumbnail& thumbnail : thumbnails) {
        std::string path = options.out;
        joinPath(path, std::to_string(thumbnail.slot) + "-" + thumbnail.label + ".png");
        if (!writePng(session.ui, path, thumbnail.image)) return 1;
        sheet.push_back({&thumbnail.image, thumbnail.label});
    }
    if (!options.sheet.empty() &&
        !writePng(session.ui, options.sheet, preview::makeContactSheet(sheet))) {
        return 1;
    }
    return 0;
}

}  // namespace

void addRenderCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Draw every object of a WAD set (any of its five files) or a .tr4 level as a PNG "
        "thumbnail named <slot>-<LABEL>.png: moveables in the first frame of their first "
        "animation, static meshes, and sprite sequences as their sprites");
    command->add_option("PATH", options->path, "A file of the WAD set, or a .tr4 level")
        ->required();
    addLevelEditorOptions(*command, options->levelEditor, false);
    command->add_option("--out", options->out, "Where the thumbnails go; made when missing")
        ->required();
    command->add_option("--size", options->size, "Width and height of a thumbnail in pixels")
        ->check(CLI::Range(16, 4096))
        ->capture_default_str();
    command->add_option("--object", options->object, "Only the object with this label, e.g. LARA");
    command->add_option(
        "--sheet", options->sheet,
        "Also write one contact sheet of all the thumbnails, labelled, to this PNG");
    command->callback([options, &exitCode] { exitCode = runRender(*options); });
}

}  // namespace kavrin::cli
