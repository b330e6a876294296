#include "framework/file_types.h"

#include <array>
#include <cstdlib>

#include "save/writers.h"
#include "decompiler/language_decompiler.h"
#include "decompiler/script_decompiler.h"
#include "formats/catalogue.h"
#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad.h"
#include "formats/was.h"
#include "level/level_reader.h"

namespace kavrin {

namespace {

constexpr FileFilter LANGUAGE_FILTERS[] = {{"Language.dat (*.dat)", "*.dat"}};
constexpr FileFilter SCRIPT_FILTERS[] = {{"Script.dat", "script.dat"}};
constexpr FileFilter LEVEL_FILTERS[] = {{"Level (.tr4)", "*.tr4"}};
constexpr FileFilter BUILD_SCRIPT_FILTERS[] = {{"Kavrin Script (.kvs)", "*.KVS"}};
constexpr FileFilter SAM_FILTERS[] = {{"Sound Filenames (.SAM)", "*.SAM"}};
constexpr FileFilter SFX_FILTERS[] = {{"Sound Resources (.SFX)", "*.SFX"}};
constexpr FileFilter SWD_FILTERS[] = {{"Sprite WAD (.SWD)", "*.SWD"}};
constexpr FileFilter WAD_FILTERS[] = {{"Object WAD (.WAD)", "*.WAD"}};
constexpr FileFilter WAS_FILTERS[] = {{"Object WAD Script (.WAS)", "*.WAS"}};
constexpr FileFilter TEXTURE_SOURCE_FILTERS[] = {
    {"Level (.tr4)", "*.tr4"},
    {"Object WAD (.WAD)", "*.WAD"},
    {"Raw Image (*.raw)", "*.raw"},
    {"Sprite WAD (*.SWD)", "*.SWD"},
    {"Truevision Targa (.tga)", "*.tga"},
};
constexpr FileFilter TEXTURE_OUTPUT_FILTERS[] = {{"TGA (.tga)", "*.tga"}};
constexpr FileFilter REFERENCE_FILTERS[] = {
    {"Object WAD Script (.WAS)", "*.WAS"},
    {"Tomb Raider 4 Level (.tr4)", "*.tr4"},
};
constexpr FileFilter PROJECT_FILTERS[] = {{"Project (.PRJ)", "*.PRJ"}};

const std::array<FileType, FILE_TYPE_COUNT> FILE_TYPES = {{
    {FILE_LANGUAGE, decompileLanguage, nullptr, nullptr, ".DAT", LANGUAGE_FILTERS},
    {FILE_SCRIPT, decompileScript, nullptr, nullptr, ".DAT", SCRIPT_FILTERS},
    {FILE_LEVEL, parseLevel, nullptr, "Load Level", nullptr, LEVEL_FILTERS},
    {FILE_OBJECTS_H, parseObjectsH, nullptr, nullptr, ".h", {}},
    {FILE_BUILD_SCRIPT, nullptr, nullptr, "Load Script", ".KVS", BUILD_SCRIPT_FILTERS},
    {FILE_SAM, parseSam, writeSam, "Sound Filenames", ".SAM", SAM_FILTERS},
    {FILE_SFX, parseSfx, writeSfx, "Sound Resources", ".SFX", SFX_FILTERS},
    {FILE_SWD, parseSwd, writeSwd, "Sprite WAD", ".SWD", SWD_FILTERS},
    {FILE_WAD, parseWad, writeWad, "Object WAD", ".WAD", WAD_FILTERS},
    {FILE_WAS, parseWas, writeWas, "Object WAD Script", ".WAS", WAS_FILTERS},
    {FILE_TEXTURE_SOURCE, nullptr, nullptr, "Load Texture", nullptr, TEXTURE_SOURCE_FILTERS},
    {FILE_TEXTURE_OUTPUT, nullptr, nullptr, "Save Texture", ".TGA", TEXTURE_OUTPUT_FILTERS},
    {FILE_REFERENCE, nullptr, nullptr, nullptr, nullptr, REFERENCE_FILTERS},
    {FILE_LEVEL_REFERENCE, parseLevel, nullptr, nullptr, ".tr4", {}},
    {FILE_PROJECT, nullptr, nullptr, nullptr, ".prj", PROJECT_FILTERS},
}};

}  // namespace

const FileType& fileType(uint32_t id) {
    if (id >= FILE_TYPES.size()) std::abort();
    return FILE_TYPES[id];
}

}  // namespace kavrin
