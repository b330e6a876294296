#include "support/test_data.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

namespace kavrin::test {

namespace fs = std::filesystem;

std::string testDataDirectory() {
    if (const char* fromEnvironment = std::getenv("KAVRIN_TEST_DATA")) return fromEnvironment;
    return KAVRIN_TEST_DATA_DEFAULT;
}

std::string testDataPath(const std::string& relative) {
    fs::path path = fs::path(testDataDirectory()) / relative;
    std::error_code error;
    return fs::exists(path, error) ? path.string() : std::string();
}

std::string realTrleDirectory() {
    return testDataPath("trle");
}

std::string sourcePath(const std::string& relative) {
    return (fs::path(KAVRIN_SOURCE_DIR) / relative).string();
}

namespace {

// The directories this test program made, removed as it ends normally.
struct MadeDirectories {
    std::vector<fs::path> paths;
    ~MadeDirectories() {
        for (const fs::path& path : paths) {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    }
};

}  // namespace

std::string makeTempDirectory(const std::string& stem) {
    static std::mt19937_64 random{std::random_device{}()};
    static MadeDirectories made;
    fs::path path = fs::temp_directory_path() / ("kavrin-" + stem + "-" + std::to_string(random()));
    fs::create_directories(path);
    made.paths.push_back(path);
    return path.string();
}

}  // namespace kavrin::test
