// Reference sources: loaded WAD sets and levels, with one entry per object they offer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/object_source_block.h"
#include "framework/file_record.h"

namespace kavrin {

struct ConvertedLevel;
struct ReferenceSource;

inline constexpr uint32_t REF_LEVEL = 3;
inline constexpr uint32_t REF_WAD_SET = 5;

// A handle the view gives to the tree item that shows an entry; 0 when the entry is not shown.
using TreeItem = uintptr_t;

struct ObjectEntry {
    TreeItem treeItem = 0;
    ReferenceSource* owner = nullptr;
    int32_t index = -1;         // position in the owner's entries; -1 only in a rootEntry
    uint32_t isMoveable = 0;    // 1 for moveables and sprite sequences, 0 for static meshes
    uint32_t objectNumber = 0;  // object id, or static number, as the source stores it
    uint32_t slot = 0;          // the object's own catalogue slot
    uint32_t kindIndex = 0;     // which record of the source's object data the entry stands for
};

struct ReferenceSource {
    ReferenceSource();
    ~ReferenceSource();
    ReferenceSource(const ReferenceSource&) = delete;
    ReferenceSource& operator=(const ReferenceSource&) = delete;

    uint32_t kind = REF_WAD_SET;
    std::string name;      // base name
    std::string fileName;  // name + ".WAS" or ".tr4": the tree's root text and the list's File text
    ObjectEntry rootEntry;
    std::vector<ObjectEntry> entries;  // made once; entries are referred to by address

    std::unique_ptr<FileRecord> levelFile;  // a level's record; its contents are its LevelRecord
    std::unique_ptr<ConvertedLevel> convertedLevel;
    std::unique_ptr<FileRecord> samFile;
    std::unique_ptr<FileRecord> sfxFile;
    std::unique_ptr<FileRecord> swdFile;
    std::unique_ptr<FileRecord> wadFile;
    std::unique_ptr<FileRecord> wasFile;

    ObjectSourceBlock block;  // views into the files above, or into the converted level
    uint32_t loadOrder = 0;   // 1, 2, 3... in the order sources were loaded this session

    uint32_t objectCount() const { return static_cast<uint32_t>(entries.size()); }
};

// Newest first; sources are never removed while the program runs.
using ReferenceList = std::vector<std::unique_ptr<ReferenceSource>>;

}  // namespace kavrin
