#include "support/objects_header.h"

#include <gtest/gtest.h>

#include "framework/file_types.h"
#include "support/parsed_file.h"

namespace kavrin::test {

namespace {

void appendEnum(std::string& out, const char* name, const std::vector<std::string>& labels,
                const char* end) {
    out += "enum " + std::string(name) + " {\r\n";
    for (const std::string& label : labels)
        out += "\t" + label + ",\r\n";
    out += "\t" + std::string(end) + "\r\n};\r\n\r\n";
}

}  // namespace

std::string objectsHeader(const std::vector<std::string>& objectLabels,
                          const std::vector<std::string>& staticLabels, int version) {
    std::string out = "/* Available object types */\r\n#define OBJECT_VERSION " +
                      std::to_string(version) + "\r\n\r\n";
    appendEnum(out, "object_types", objectLabels, "NUMBER_OBJECTS");
    appendEnum(out, "static_types", staticLabels, "NUMBER_STATIC_OBJECTS");
    return out;
}

ObjectCatalogue catalogueFrom(const std::string& header) {
    auto parsed = parseAs<ObjectCatalogue>(FILE_OBJECTS_H, header);
    EXPECT_TRUE(parsed.ok && parsed.messages.empty()) << "header refused";
    return parsed.contents;
}

}  // namespace kavrin::test
