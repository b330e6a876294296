// Message boxes: the system's titles and texts with the icon and buttons of each style.
#pragma once

#include <QString>

#include "framework/ui.h"

class QWidget;

namespace kavrin::shell {

// Shows the text modally, centred over the owner (none: the screen), and returns the button
// pressed. A box closed without a button gives the answer that does not go ahead.
Button showMessageBox(QWidget* owner, MessageStyle style, const QString& title,
                      const QString& text);

}  // namespace kavrin::shell
