// Synthetic objects.h headers, laid out as the Level Editor's own.
#pragma once

#include <string>
#include <vector>

#include "formats/catalogue.h"

namespace kavrin::test {

// "#define OBJECT_VERSION <version>" and the two slot enums, one enumerator per line, CR LF.
std::string objectsHeader(const std::vector<std::string>& objectLabels,
                          const std::vector<std::string>& staticLabels, int version = 129);

// The catalogue parsed from a header; fails the test when the header is refused.
ObjectCatalogue catalogueFrom(const std::string& header);

}  // namespace kavrin::test
