// Comparing objects of a saved WAD set with the objects of the sources they were copied from:
// what saving must keep although it renumbers everything. Each comparison returns the first
// difference it finds as a sentence, or an empty text when there is none.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "editing/object_source_block.h"

namespace kavrin::test {

// A source and the saved set, with where the saved set holds the copy of each source moveable
// (its index among the saved moveables), so links into other moveables can be followed.
struct SavedFrom {
    const ObjectSourceBlock& source;
    const ObjectSourceBlock& saved;
    std::function<std::optional<uint32_t>(uint32_t sourceMoveable)> savedMoveable;
};

// The two meshes named by the mesh pointers have the same geometry, polygons and attributes, and
// every polygon shows the same pixels.
std::string meshDifference(const ObjectSourceBlock& source, uint32_t sourcePointer,
                           const ObjectSourceBlock& saved, uint32_t savedPointer);

// Meshes, links, animations with their keyframes, commands, state changes and link targets.
std::string moveableDifference(const SavedFrom& from, uint32_t sourceIndex, uint32_t savedIndex);

std::string staticDifference(const ObjectSourceBlock& source, uint32_t sourceIndex,
                             const ObjectSourceBlock& saved, uint32_t savedIndex);

}  // namespace kavrin::test
