#include "save/wad_check.h"

#include "editing/dependencies.h"
#include "editing/session.h"
#include "framework/text_format.h"
#include "save/texture_packing.h"

namespace kavrin {

namespace {

constexpr size_t MESSAGE_ROOM = 1900;

}  // namespace

WadCheck checkWad(Session& session) {
    WadCheck check;
    // What building reports comes first: an object the set cannot take at all, sprites laid out
    // otherwise, sounds that cannot be.
    check.budget = measureSet(session, &check.findings);
    for (const ObjectNeeds& needs : missingDependencies(session.edited)) {
        if (!needs.needed.empty()) check.findings.push_back(needsText(session, needs));
        if (needs.strayAnimation) {
            check.findings.push_back(
                format("%s leads to animation #%u of the %s file, which no moveable there has.",
                       std::string(slotName(session, needs.object->slot)).c_str(),
                       *needs.strayAnimation, needs.object->owner->fileName.c_str()));
        }
    }
    if (!check.budget.measured) return check;
    for (const OutputLimit& limit : check.budget.limits) {
        if (limit.exceeded()) check.findings.push_back(limitText(limit));
    }
    if (check.budget.tiles > TEXTURE_TILE_BUDGET) {
        check.findings.push_back(
            format("This wad needs approximately %u out of 16 texture tiles.", check.budget.tiles));
    }
    return check;
}

std::string wadCheckReport(const WadCheck& check) {
    std::string report = budgetText(check.budget) + "\n\n";
    if (check.findings.empty()) {
        return report + "Nothing is missing, and the set is within every limit.";
    }
    for (size_t i = 0; i < check.findings.size(); ++i) {
        if (i > 0) report += "\n\n";
        report += check.findings[i];
    }
    return report;
}

void showWadCheck(Session& session) {
    WadCheck check = checkWad(session);
    const MessageStyle style =
        check.findings.empty() ? MessageStyle::InformationOk : MessageStyle::WarningOk;
    // A message box holds some two thousand characters: findings past them are only counted.
    const size_t total = check.findings.size();
    std::string report = wadCheckReport(check);
    while (report.size() > MESSAGE_ROOM && check.findings.size() > 1) {
        check.findings.pop_back();
        report =
            wadCheckReport(check) + format("\n... and %zu more.", total - check.findings.size());
    }
    showMessage(session.ui, style, "Check Wad", "%s", report.c_str());
}

}  // namespace kavrin
