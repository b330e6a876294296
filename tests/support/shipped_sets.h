// The WAD sets shipped with the Level Editor, under trle/graphics/wads in the real test data.
#pragma once

namespace kavrin::test {

// Base names in lower case: the files keep their shipped case (Catacomb.WAS, catacomb.sam), which
// loading must not depend on.
inline constexpr const char* SHIPPED_WAD_SETS[] = {
    "tut1", "karnak", "title", "coastal", "settomb", "angkor", "catacomb", "cleopal", "city"};

}  // namespace kavrin::test
