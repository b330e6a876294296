#include "framework/ui.h"

namespace kavrin {

WindowPosition centreWindow(int width, int height, const WindowRect& parent, int screenWidth,
                            int screenHeight) {
    // Integer division truncates toward zero, as the placement has always done.
    WindowPosition at{parent.left + (parent.width - width) / 2,
                      parent.top + (parent.height - height) / 2};
    if (at.x + width > screenWidth) at.x = screenWidth - width;
    if (at.y + height > screenHeight) at.y = screenHeight - height;
    if (at.x < 0) at.x = 0;
    if (at.y < 0) at.y = 0;
    return at;
}

}  // namespace kavrin
