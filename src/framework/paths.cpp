#include "framework/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace kavrin {

namespace fs = std::filesystem;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        int x = std::tolower(static_cast<unsigned char>(a[i]));
        int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x - y;
    }
    return (a.size() > b.size()) - (a.size() < b.size());
}

fs::path fileSystemPath(std::string_view path) {
    return fs::path(std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

std::string utf8Path(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

namespace {

bool existsAsSpelled(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::exists(fileSystemPath(path), error);
}

#ifndef _WIN32
// The entry of `directory` whose name matches `name` without regard to case, if any.
std::string findEntryIgnoringCase(const std::string& directory, std::string_view name) {
    std::error_code error;
    fs::directory_iterator it(fileSystemPath(directory.empty() ? "." : directory), error);
    if (error) return {};
    for (const fs::directory_entry& entry : it) {
        std::string entryName = utf8Path(entry.path().filename());
        if (equalsIgnoringCase(entryName, name)) return entryName;
    }
    return {};
}
#endif

}  // namespace

std::string resolveExistingPath(const std::string& path) {
    if (existsAsSpelled(path)) return path;
#ifdef _WIN32
    return path;  // the file system already ignores case
#else
    // Walk the components, keeping each one that exists and looking up the others.
    std::string resolved;
    size_t start = 0;
    if (!path.empty() && isPathSeparator(path[0])) {
        resolved = "/";
        start = 1;
    }
    while (start <= path.size()) {
        size_t end = path.find(PATH_SEPARATOR, start);
        if (end == std::string::npos) end = path.size();
        std::string_view part(path.data() + start, end - start);
        if (!part.empty()) {
            std::string candidate = resolved + std::string(part);
            if (!existsAsSpelled(candidate)) {
                std::string match = findEntryIgnoringCase(resolved, part);
                if (match.empty()) return path;
                candidate = resolved + match;
            }
            resolved = candidate;
            if (end < path.size()) resolved += PATH_SEPARATOR;
        }
        start = end + 1;
    }
    return resolved;
#endif
}

bool pathExists(const std::string& path) { return existsAsSpelled(resolveExistingPath(path)); }

bool sameFile(const std::string& a, const std::string& b) {
    std::string first = resolveExistingPath(a);
    std::string second = resolveExistingPath(b);
    std::error_code error;
    bool same = fs::equivalent(first, second, error);
    return error ? first == second : same;
}

std::string nearestExistingFolder(const std::string& path) {
    std::error_code error;
    for (fs::path folder = path; !folder.empty(); folder = folder.parent_path()) {
        std::string resolved = resolveExistingPath(folder.string());
        if (fs::is_directory(resolved, error)) return resolved;
        if (folder == folder.parent_path()) break;  // a root that is not there
    }
    return {};
}

std::string_view directoryPart(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1])) return path.substr(0, i - 1);
    }
    return {};
}

std::string_view fileNamePart(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1])) return path.substr(i);
    }
    return path;
}

std::string currentDirectory() {
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error ? std::string() : utf8Path(current);
}

bool setCurrentDirectory(const std::string& directory) {
    std::error_code error;
    fs::current_path(fileSystemPath(resolveExistingPath(directory)), error);
    return !error;
}

}  // namespace kavrin
