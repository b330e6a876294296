// The two kinds of line a build script holds: the header ("KVS V2") and the object lines
// ("465:TR4:468:mylevel"). The rules are those of the C scanner the format was defined with, kept
// where they matter: white space may come before each number, the type and the name, never before
// a colon; the type is at most three characters; conversion stops at the first field that does not
// match, and the fields converted before it are counted.
#pragma once

#include <string>
#include <string_view>

namespace kavrin {

inline constexpr int SCRIPT_VERSION = 2;  // written, and the highest read

struct ScriptHeader {
    bool magic = false;     // the line starts with "KVS V"
    bool numbered = false;  // a version number follows it
    int version = 0;
};

ScriptHeader parseScriptHeader(std::string_view line);

struct ObjectLine {
    int fields = 0;  // fields converted, in order: destination, type, source, name
    int destination = 0;
    std::string type;  // at most three characters
    int sourceObject = 0;
    std::string name;
};

ObjectLine parseObjectLine(std::string_view line);

}  // namespace kavrin
