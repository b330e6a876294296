// The program's own pictures, drawn by src/resources/draw_icons.py.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kavrin::shell {

QIcon programIcon();
// The 12 x 12 mark of an occupied slot in the edited list.
QPixmap occupiedMark();

}  // namespace kavrin::shell
