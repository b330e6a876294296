// The script decompiler: a compiled script.dat back to the text of the game's script.
#pragma once

namespace kavrin {

struct FileRecord;
struct ParseContext;

// The parse operation of FILE_SCRIPT. Writes the script's text to the input's name with ".txt",
// naming levels and items with the context's language strings (the last decompiled language
// file). An invalid opcode ends the text with a line saying so and still succeeds. False after a
// message (a damaged file, an output that cannot be written).
bool decompileScript(FileRecord& record, ParseContext& context);

}  // namespace kavrin
