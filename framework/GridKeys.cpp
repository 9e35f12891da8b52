// Which cell of a grid of choices an arrow key moves the choice to.
#include "framework/GridKeys.h"

#include "platform/window/VirtualKeys.h"

#include <algorithm>

bool IsGridKey(WORD key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_HOME || key == VK_END;
}

std::optional<int> GridKeyTarget(WORD key, int current, int count, int columns) {
    if (!IsGridKey(key) || count <= 0) return std::nullopt;
    if (current < 0 || current >= count) return key == VK_END ? count - 1 : 0;
    switch (key) {
    case VK_LEFT: return std::max(0, current - 1);
    case VK_RIGHT: return std::min(count - 1, current + 1);
    case VK_UP: return current - columns >= 0 ? current - columns : current;
    case VK_DOWN: return current + columns < count ? current + columns : current;
    case VK_HOME: return 0;
    default: return count - 1;
    }
}
