// Build scripts of any content, read line by line as the interpreter reads them.
#include <cstdio>
#include <memory>
#include <string>

#include "script/script_line.h"
#include "script/script_reader.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(const_cast<uint8_t*>(data), size, "rb"), std::fclose);
    if (!file) return 0;
    ScriptReader reader(file.get());
    std::string line;
    if (!reader.next(line)) return 0;
    parseScriptHeader(line);
    while (reader.next(line))
        parseObjectLine(line);
    return 0;
}
