// Utilities, Decompile script.dat: a language file, then the script named with its strings.
#pragma once

namespace kavrin {

struct LanguageStrings;
struct Ui;

// Asks for a language file and decompiles it; only when that worked, asks for script.dat and
// decompiles it. Each text lands beside its input. A cancelled dialog or a failed load ends it.
void decompileGameScript(Ui& ui, LanguageStrings& strings);

}  // namespace kavrin
