#include "editing/reference_source.h"

#include "level/level_conversion.h"

namespace kavrin {

// Out of line, where a converted level is a complete type.
ReferenceSource::ReferenceSource() = default;
ReferenceSource::~ReferenceSource() = default;

}  // namespace kavrin
