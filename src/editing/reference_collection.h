// Loading sources: WAD sets and levels become ReferenceSources with one entry per object, and the
// sources the user loads as references join the reference list and the tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editing/reference_source.h"

namespace kavrin {

struct Session;
struct Ui;

// An empty source of the kind (REF_WAD_SET or REF_LEVEL) and base name: its file name and its
// root entry, which stands for the whole source.
std::unique_ptr<ReferenceSource> makeReferenceSource(uint32_t kind, const std::string& name);

// Loads the WAD set named by the record's directory and base name (its type does not matter),
// puts it at the head of the reference list and shows it in the tree. Null after a reported
// failure; the list and the tree are then unchanged.
ReferenceSource* loadWadSetReference(Session& session, const FileRecord& set);

// The same load for the set opened for editing: the source is neither listed nor shown.
std::unique_ptr<ReferenceSource> loadUnlinkedWadSet(Session& session, const FileRecord& set);

// Takes over the level's record, loads and converts the level, lists and shows it. Null after a
// reported failure.
ReferenceSource* loadLevelReference(Session& session, std::unique_ptr<FileRecord> level);

// For build scripts: the newest listed source of the kind (REF_WAD_SET or REF_LEVEL) whose name
// is exactly `name`, else the source loaded from the source directory, asking for the folder when
// the file is not there. Null when the user gives up or the load fails.
ReferenceSource* findOrLoadReference(Session& session, uint32_t kind, const std::string& name);

// The listed source of the kind that was loaded from the file the record names (a WAD set's .WAS,
// a level's .tr4, as the file system finds them), if any.
ReferenceSource* findListedSource(const Session& session, uint32_t kind, const FileRecord& record);

// Makes the entry (a source's root or one of its objects) the selected entry and has the tree show
// it selected.
void selectEntry(Session& session, const ObjectEntry& entry);

// For a WAD set whose five files are parsed: one entry per moveable, sprite sequence and static
// mesh, in that order, and the object source block over the parsed tables.
bool buildEntryTable(Ui& ui, ReferenceSource& source);

// Shows a listed source in the tree: its root among the others, sorted by text without regard to
// letter case (after those with an equal text), and its entries under it.
void addReferenceToTree(Session& session, ReferenceSource& source);

// Frees an unlinked WAD-set source with its files (SAM, SFX, SWD, WAD, WAS) and entries.
void releaseReference(std::unique_ptr<ReferenceSource>& source);

}  // namespace kavrin
