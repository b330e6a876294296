// Where the benchmarks find the real Level Editor files: the directory given first on the command
// line, else the trle folder of $KAVRIN_TEST_DATA, else of the test data beside the checkout.
#pragma once

#include <cstdlib>
#include <string>

namespace kavrin::bench {

inline std::string levelEditorDirectory(int argc, char** argv) {
    if (argc > 1) return argv[1];
    const char* data = std::getenv("KAVRIN_TEST_DATA");
    return std::string(data ? data : KAVRIN_TEST_DATA_DEFAULT) + "/trle";
}

}  // namespace kavrin::bench
