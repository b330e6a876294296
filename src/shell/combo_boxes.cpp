#include "shell/combo_boxes.h"

#include <QComboBox>

namespace kavrin::shell {

void fillComboBox(QComboBox& box, std::span<const char* const> names, int selection) {
    box.clear();
    for (const char* name : names)
        box.addItem(QString::fromUtf8(name));
    box.setCurrentIndex(selection);
}

void fitComboDropDown(QComboBox& box, int count) {
    box.setMaxVisibleItems(count < 0 ? box.count() : count);
}

}  // namespace kavrin::shell
