// Writing whole files without ever leaving a half-written one behind.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kavrin {

struct Ui;

// Writes `bytes` to `path`: first in full under a temporary name beside it, then renamed over it,
// so a failed write leaves any earlier file at the path whole. A file that cannot be created is
// reported with "Error Opening File"; a failed write (a full disk, say) with "Error Writing File".
// Returns false after the message.
bool writeFileReplacing(Ui& ui, const std::string& path, std::span<const uint8_t> bytes);
// The same for a file given as pieces, written one after the other.
bool writeFileReplacing(Ui& ui, const std::string& path,
                        std::span<const std::span<const uint8_t>> pieces);
bool writeFileReplacing(Ui& ui, const std::string& path, std::string_view text);

}  // namespace kavrin
