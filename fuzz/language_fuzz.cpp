// Any bytes as a language file: the decompiler refuses or writes text, never reads past the end.
#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kavrin::LanguageStrings strings;
    kavrin::ParseContext context{kavrin::fuzz::silentUi(), nullptr, &strings};
    kavrin::fuzz::parseBytes(kavrin::FILE_LANGUAGE, data, size, context);
    return 0;
}
