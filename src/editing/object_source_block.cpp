#include "editing/object_source_block.h"

namespace kavrin {

void viewObjectRecords(ObjectSourceBlock& block, const ObjectRecords& records) {
    block.animations = records.animations;
    block.stateChanges = records.stateChanges;
    block.dispatches = records.dispatches;
    block.commands = records.commands;
    block.meshTrees = records.meshTrees;
    block.frames = records.frames;
    block.moveables = records.moveables;
    block.staticMeshes = records.statics;
}

}  // namespace kavrin
