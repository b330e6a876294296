// Where the tests find real Level Editor files and the project's own demo directory.
#pragma once

#include <string>

namespace kavrin::test {

// The directory of real files: $KAVRIN_TEST_DATA, else ../shared/data beside the sources.
std::string testDataDirectory();
// A path below that directory; empty when the file is not there.
std::string testDataPath(const std::string& relative);
// The real Level Editor directory (trle/), empty when absent.
std::string realTrleDirectory();
// A path in the project's own source tree.
std::string sourcePath(const std::string& relative);
// A fresh, empty directory for one test's files, removed when the test program ends.
std::string makeTempDirectory(const std::string& stem);

// The WAD sets shipped in trle/graphics/wads, by base name in lower case: the files keep their
// shipped case (Catacomb.WAS, catacomb.sam), which loading must not depend on.
inline constexpr const char* SHIPPED_WAD_SETS[] = {
    "tut1", "karnak", "title", "coastal", "settomb", "angkor", "catacomb", "cleopal", "city"};

}  // namespace kavrin::test

// Skips the test, naming the missing file, when real data is not available.
#define KAVRIN_REQUIRE_DATA(path)                                      \
    do {                                                               \
        if ((path).empty())                                            \
            GTEST_SKIP() << "real Level Editor files not found under " \
                         << ::kavrin::test::testDataDirectory();       \
    } while (0)
