// The language file decompiler: a compiled language file back to its text of strings.
#pragma once

namespace kavrin {

struct FileRecord;
struct ParseContext;

// The parse operation of FILE_LANGUAGE. Writes the strings, section by section, to the input's
// name with ".txt" and replaces the context's language-string table with them. False after a
// message (a damaged file, an output that cannot be written); the table is then left as it was.
bool decompileLanguage(FileRecord& record, ParseContext& context);

}  // namespace kavrin
