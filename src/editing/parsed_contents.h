// The parsed contents of a loaded file record, as the type its reader builds.
#pragma once

#include <any>
#include <memory>

#include "framework/file_record.h"
#include "framework/ui.h"

namespace kavrin {

// A load that succeeded always leaves its reader's contents, so their absence is a fault of the
// program: it is reported as one and the caller stops like after any failed load.
template <class T>
T* parsedContents(Ui& ui, const std::unique_ptr<FileRecord>& record) {
    T* contents = record ? std::any_cast<T>(&record->contents) : nullptr;
    if (!contents) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin Internal Error",
                    "%s was loaded but not read.", record ? record->path.c_str() : "A file");
    }
    return contents;
}

}  // namespace kavrin
