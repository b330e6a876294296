#include "texture/extract_command.h"

#include <filesystem>
#include <system_error>

#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_output.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/ui.h"
#include "texture/texture_outputs.h"
#include "texture/texture_sources.h"

namespace kavrin {

namespace {

// The input, loaded as its type and taken apart as the choices say; false after a message.
bool readInput(Ui& ui, const std::string& path, const ExtractionSettings& settings,
               const ExtractionChoices& choices, ExtractedTextures& out) {
    const uint32_t type = settings.inputType == INPUT_OBJECT_WAD   ? FILE_WAD
                          : settings.inputType == INPUT_SPRITE_WAD ? FILE_SWD
                                                                   : FILE_TEXTURE_SOURCE;
    std::unique_ptr<FileRecord> record = fileRecordForPath(type, path);
    ParseContext context{ui};
    if (!loadFile(*record, context)) return false;
    out.inputFileName = fileNamePart(path);
    out.inputName = record->name;
    switch (settings.inputType) {
        case INPUT_LEVEL:
            return readLevelTextures(ui, path, record->bytes(), choices, out);
        case INPUT_OBJECT_WAD:
            readObjectWadTextures(out.inputFileName, std::any_cast<ObjectWad&>(record->contents),
                                  choices, out);
            return true;
        case INPUT_SPRITE_WAD:
            return readSpriteWadTextures(ui, path, std::any_cast<SpriteWad&>(record->contents),
                                         out);
        case INPUT_RAW_IMAGE:
            return readRawImage(ui, path, record->bytes(), settings, choices, out);
        default:
            return readImageFile(ui, path, record->bytes(), settings, choices, out);
    }
}

// Asks before files that are there are replaced; true when none are, or the user agrees.
bool mayReplace(Ui& ui, const std::string& directory, const std::vector<OutputFile>& files) {
    std::vector<std::string> existing;
    for (const OutputFile& file : files) {
        std::string path = directory;
        joinPath(path, file.name);
        if (pathExists(path)) existing.push_back(file.name);
    }
    if (existing.empty()) return true;
    Button answer =
        existing.size() == 1
            ? showMessage(ui, MessageStyle::QuestionYesNo, "Kavrin",
                          "%s already exists in %s.\n\nReplace it?", existing[0].c_str(),
                          directory.c_str())
            : showMessage(ui, MessageStyle::QuestionYesNo, "Kavrin",
                          "%s and %zu more of the files already exist in %s.\n\nReplace them?",
                          existing[0].c_str(), existing.size() - 1, directory.c_str());
    return answer == Button::Yes;
}

std::string withNote(const ExtractedTextures& textures) {
    return textures.note.empty() ? std::string() : "\n\n" + textures.note;
}

}  // namespace

void extractTextureFromFile(Ui& ui) {
    if (!ui.port.chooseFile) return;
    FileDialogRequest request;
    request.title = "Extract Texture From File";
    request.type = FILE_TEXTURE_SOURCE;
    request.strict = true;
    request.extractionPanel = true;
    ui.port.chooseFile(request);
}

bool extractTextures(Ui& ui, const std::string& path, const ExtractionSettings& settings,
                     const ExtractionChoices& choices, std::vector<std::string>* written) {
    // The bump map box counts only where the panel shows it.
    ExtractionChoices shown = choices;
    shown.bumpMap = choices.bumpMap && settings.inputType == INPUT_LEVEL &&
                    settings.outputType == OUTPUT_ROOM_EDITOR_TEXTURE;
    ExtractedTextures textures;
    ExtractionOutput output;
    if (!readInput(ui, path, settings, shown, textures) ||
        !composeOutput(ui, textures, settings, shown, output)) {
        return false;
    }
    if (output.files.empty()) {
        showMessage(ui, MessageStyle::WarningOk, "Kavrin",
                    "Nothing was extracted: %s holds no %s with these options.%s",
                    textures.inputFileName.c_str(),
                    settings.outputType == OUTPUT_ROOM_EDITOR_TEXTURE ? "room texture pages"
                                                                      : "texture pages",
                    withNote(textures).c_str());
        return false;
    }

    const std::string directory = settings.outputDirectory.empty() ? "." : settings.outputDirectory;
    std::error_code ignored;  // a directory that cannot be made is reported when written to
    std::filesystem::create_directories(directory, ignored);
    if (!mayReplace(ui, directory, output.files)) return false;
    for (const OutputFile& file : output.files) {
        std::string target = directory;
        joinPath(target, file.name);
        if (!writeFileReplacing(ui, target, file.bytes)) return false;
        if (written) written->push_back(target);
    }

    const bool image = !textures.sets.empty() && !textures.sets[0].pages;
    const std::string files = output.files.size() == 1
                                  ? output.files[0].name
                                  : output.files.front().name + " to " + output.files.back().name +
                                        " (" + std::to_string(output.files.size()) + " files)";
    showMessage(ui, MessageStyle::InformationOk, "Kavrin", "Extracted %u %s to %s:\n%s.%s",
                output.imageCount,
                image                    ? "image"
                : output.imageCount == 1 ? "page"
                                         : "pages",
                directory.c_str(), files.c_str(), withNote(textures).c_str());
    return true;
}

}  // namespace kavrin
