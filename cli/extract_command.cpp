// kavrin-cli extract: the texture extraction of Texture > Extract From File, without a window.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "framework/paths.h"
#include "texture/extract_command.h"

namespace kavrin::cli {

namespace {

struct ExtractOptions {
    std::string path;
    std::string out;
    std::string type = "tga";
    bool rle = false;
    std::vector<std::string> pages = {"32bit", "16bit", "misc"};
    std::string raw;
    bool bump = false;
    std::string transparent = "FF00FF";
    std::string transparentOut = "FF00FF";
    bool yes = false;
};

const std::map<std::string, uint32_t> OUTPUT_TYPES = {
    {"tga", OUTPUT_TARGA}, {"raw", OUTPUT_RAW_IMAGE},  {"room", OUTPUT_ROOM_EDITOR_TEXTURE},
    {"png", OUTPUT_PNG},   {"wad", OUTPUT_OBJECT_WAD}, {"swd", OUTPUT_SPRITE_WAD},
};
// In the order of the raw image's byte orders.
const std::vector<std::string> BYTE_ORDERS = {"gray8", "1555", "rgb", "bgr", "argb", "bgra"};

// The input type from the file's extension; 0 when it names none.
uint32_t inputTypeOf(const std::string& path) {
    std::string_view name = fileNamePart(path);
    size_t dot = name.rfind('.');
    std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
    const struct {
        const char* extension;
        uint32_t type;
    } types[] = {{".tr4", INPUT_LEVEL},     {".wad", INPUT_OBJECT_WAD}, {".swd", INPUT_SPRITE_WAD},
                 {".raw", INPUT_RAW_IMAGE}, {".tga", INPUT_TARGA},      {".png", INPUT_TARGA},
                 {".bmp", INPUT_TARGA}};
    for (const auto& t : types) {
        if (equalsIgnoringCase(extension, t.extension)) return t.type;
    }
    return 0;
}

bool parseColour(const std::string& text, Colour& colour) {
    unsigned red, green, blue;
    auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), hex) ||
        std::sscanf(text.c_str(), "%2x%2x%2x", &red, &green, &blue) != 3)
        return false;
    colour = makeColour(static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                        static_cast<uint8_t>(blue));
    return true;
}

// "WxH:ORDER", e.g. "256x256:bgra".
bool parseRaw(const std::string& text, ExtractionSettings& settings, ExtractionChoices& choices) {
    unsigned width, height;
    char order[8];
    if (std::sscanf(text.c_str(), "%ux%u:%7s", &width, &height, order) != 3) return false;
    auto found = std::find(BYTE_ORDERS.begin(), BYTE_ORDERS.end(), order);
    if (found == BYTE_ORDERS.end() || width < RAW_SIZE_MIN || width > RAW_SIZE_MAX ||
        height < RAW_SIZE_MIN || height > RAW_SIZE_MAX)
        return false;
    settings.byteOrder = static_cast<uint32_t>(found - BYTE_ORDERS.begin());
    choices.rawWidth = width;
    choices.rawHeight = height;
    return true;
}

bool chosen(const std::vector<std::string>& pages, const char* set) {
    return std::find(pages.begin(), pages.end(), set) != pages.end();
}

int runExtract(const ExtractOptions& options) {
    Ui ui = makeConsoleUi({.answerYes = options.yes});
    ExtractionSettings settings;
    ExtractionChoices choices;
    settings.inputType = options.raw.empty() ? inputTypeOf(options.path) : INPUT_RAW_IMAGE;
    settings.outputType = OUTPUT_TYPES.at(options.type);
    settings.outputDirectory = options.out;
    const bool colours = (options.transparent == "none" ||
                          parseColour(options.transparent, settings.inputTransparency)) &&
                         parseColour(options.transparentOut, settings.outputTransparency);
    if (settings.inputType == 0 || !colours ||
        (!options.raw.empty() && !parseRaw(options.raw, settings, choices)) ||
        (settings.inputType == INPUT_RAW_IMAGE && options.raw.empty())) {
        std::fprintf(stderr,
                     "kavrin-cli extract: name a .tr4, .WAD, .SWD, .tga, .png or .bmp file, or a "
                     "raw image with --raw WxH:ORDER (ORDER: gray8, 1555, rgb, bgr, argb, bgra); "
                     "colours are RRGGBB\n");
        return 2;
    }
    choices.pages32 = chosen(options.pages, "32bit");
    choices.pages16 = chosen(options.pages, "16bit");
    choices.miscPages = chosen(options.pages, "misc");
    choices.roomTextures = false;  // a WAD has none; the panel's box for them has no use here
    choices.inputTransparent = options.transparent != "none";
    choices.rleCompression = options.rle;
    choices.bumpMap = options.bump;

    std::vector<std::string> written;
    if (!extractTextures(ui, options.path, settings, choices, &written)) return 1;
    for (const std::string& path : written)
        std::printf("%s\n", path.c_str());
    return 0;
}

}  // namespace

void addExtractCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ExtractOptions>();
    CLI::App* command = app.add_subcommand(
        "extract",
        "Extract the texture pages of a level, object WAD or sprite WAD, or convert a raw or "
        "Targa image, as Texture > Extract From File does");
    command->add_option("PATH", options->path, "A .tr4, .WAD, .SWD, .raw or .tga (.png, .bmp) file")
        ->required();
    command->add_option("--out", options->out, "Where the files are written; made when missing")
        ->required();
    command
        ->add_option("--type", options->type,
                     "tga (32-bit Targa), raw (24-bit RGB), room (Room Editor Texture), png, "
                     "wad (a texture-only WAD set) or swd (an image as a sprite page)")
        ->check(CLI::IsMember({"tga", "raw", "room", "png", "wad", "swd"}))
        ->capture_default_str();
    command->add_flag("--rle", options->rle, "Run-length compress Targa files");
    command->add_option("--pages", options->pages, "A level's page sets: 32bit, 16bit, misc")
        ->delimiter(',')
        ->check(CLI::IsMember({"32bit", "16bit", "misc"}))
        ->capture_default_str();
    command->add_option("--raw", options->raw,
                        "Read PATH as a raw image: WxH:ORDER, ORDER one of gray8, 1555, rgb, bgr, "
                        "argb, bgra");
    command->add_flag("--bump", options->bump,
                      "With --type room, also write a level's bump map pages (.TBM)");
    command
        ->add_option("--transparent", options->transparent,
                     "Colour RRGGBB that marks transparent pixels of a raw or Targa image, or "
                     "none")
        ->capture_default_str();
    command
        ->add_option("--transparent-out", options->transparentOut,
                     "Colour RRGGBB that transparent pixels take in 24-bit output (raw, room)")
        ->capture_default_str();
    command->add_flag("--yes", options->yes, "Replace files of the same names that are there");
    command->callback([options, &exitCode] { exitCode = runExtract(*options); });
}

}  // namespace kavrin::cli
