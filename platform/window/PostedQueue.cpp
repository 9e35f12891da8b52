// The posted-message queue.
#include "platform/window/PostedQueue.h"

#include <algorithm>

bool PostedQueue::Take(MSG& out, HWND hwnd, UINT minMsg, UINT maxMsg, bool remove) {
    bool anyRange = minMsg == 0 && maxMsg == 0;
    for (auto it = FMessages.begin(); it != FMessages.end(); ++it) {
        if (hwnd && it->hwnd != hwnd) continue;
        if (!anyRange && (it->message < minMsg || it->message > maxMsg)) continue;
        out = *it;
        if (remove) FMessages.erase(it);
        return true;
    }
    return false;
}

void PostedQueue::Purge(HWND hwnd) {
    FMessages.erase(std::remove_if(FMessages.begin(), FMessages.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                    FMessages.end());
}
