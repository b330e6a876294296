// Whether the files of a loaded WAD set describe the same objects. A set whose files come from
// different saves (a copy cut short by another program, say) lists objects in its .WAS that its
// .WAD and .SWD do not hold, or the other way round.
#pragma once

namespace kavrin {

struct ObjectCatalogue;
struct ReferenceSource;
struct Ui;

// Shows one warning naming the set and the first slot, in slot order, on which its .WAS and its
// object files disagree; nothing when they agree. The set stays usable: the objects it offers are
// those its .WAD and .SWD hold.
void warnOfDisagreement(Ui& ui, const ObjectCatalogue& catalogue, const ReferenceSource& set);

}  // namespace kavrin
