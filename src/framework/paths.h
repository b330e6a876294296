// Paths on the platform's file system.
//
// Windows finds files regardless of letter case, and the Level Editor's own sets rely on it
// (tut1.WAS beside tut1.sam). On a case-sensitive file system a path that does not exist as
// spelled is resolved component by component against the entries whose names match without
// regard to case, so the Level Editor's files open on Linux as they do on Windows.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kavrin {

#ifdef _WIN32
inline constexpr char PATH_SEPARATOR = '\\';
inline bool isPathSeparator(char c) { return c == '\\' || c == '/'; }
#else
inline constexpr char PATH_SEPARATOR = '/';
inline bool isPathSeparator(char c) { return c == '/'; }
#endif

// Kavrin's paths are UTF-8 text on every platform; std::filesystem takes narrow text in the
// system's code page instead, so every path goes to and comes from it through these two.
std::filesystem::path fileSystemPath(std::string_view path);
std::string utf8Path(const std::filesystem::path& path);

// The path as it exists on disk: the path itself when it exists as spelled, else the path whose
// components match it without regard to case, else the path unchanged.
std::string resolveExistingPath(const std::string& path);

// True when a file or directory exists at the path (letter case aside, as above).
bool pathExists(const std::string& path);

// True when both paths name the same existing file, however each is spelled (letter case, links,
// "." and ".." aside); paths of missing files are compared as resolved text.
bool sameFile(const std::string& a, const std::string& b);

// The path itself when it is an existing folder, else its nearest ancestor that is; empty when
// none is.
std::string nearestExistingFolder(const std::string& path);

// The characters before the last separator, and those after it.
std::string_view directoryPart(std::string_view path);
std::string_view fileNamePart(std::string_view path);

std::string currentDirectory();
bool setCurrentDirectory(const std::string& directory);

// Compares two texts without regard to ASCII letter case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Orders two texts by their lower-case bytes as unsigned characters: negative, zero or positive.
int compareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kavrin
