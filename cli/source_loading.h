// The source a command names by path: a .tr4 level, or the WAD set any of whose five files is
// named.
#pragma once

#include <memory>
#include <string>

#include "editing/reference_source.h"

namespace kavrin {
struct Session;
}

namespace kavrin::cli {

struct LoadedSource {
    ReferenceSource* source = nullptr;  // null after a reported failure
    // A WAD set is loaded as the edited set is, unlisted, and kept here; a level joins the
    // session's reference list, which keeps it.
    std::unique_ptr<ReferenceSource> wadSet;
};

// The session's catalogue must be loaded.
LoadedSource loadSourceAt(Session& session, const std::string& path);

}  // namespace kavrin::cli
