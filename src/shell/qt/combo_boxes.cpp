#include "shell/qt/combo_boxes.h"

#include <QComboBox>

namespace kavrin::shell {

void fillComboBox(QComboBox& box, std::span<const char* const> names, int selection) {
    box.clear();
    for (const char* name : names)
        box.addItem(QString::fromUtf8(name));
    box.setCurrentIndex(selection);
    box.setMaxVisibleItems(box.count());
}

}  // namespace kavrin::shell
