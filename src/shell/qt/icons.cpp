#include "shell/qt/icons.h"

// The resources live in a static library, whose registration the linker would otherwise drop.
static void registerResources() {
    static bool registered = [] {
        Q_INIT_RESOURCE(kavrin);
        return true;
    }();
    (void)registered;
}

namespace kavrin::shell {

QIcon programIcon() {
    registerResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/kavrin-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap occupiedMark() {
    registerResources();
    return QPixmap(QStringLiteral(":/icons/occupied.png"));
}

}  // namespace kavrin::shell
