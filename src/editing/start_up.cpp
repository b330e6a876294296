#include "editing/start_up.h"

#include "editing/objects_h_location.h"
#include "editing/session.h"
#include "framework/paths.h"

namespace kavrin {

bool startSession(Session& session, const std::string* trleDirectory) {
    if (!locateObjectsH(session, trleDirectory)) return false;
    // An installation without a wads folder still starts; the dialogs then open elsewhere.
    setCurrentDirectory(session.wadDirectory);
    return true;
}

}  // namespace kavrin
