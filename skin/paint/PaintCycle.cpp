// The platform's paint cycle around a skinned window's own painting.
#include "skin/paint/PaintCycle.h"

#include "platform/window/PaintApi.h"

namespace {

class TOwnPaint {
public:
    explicit TOwnPaint(HWND window) : FWindow(window), FDevice(BeginPaint(window, &FPs)) {}
    ~TOwnPaint() { EndPaint(FWindow, &FPs); }
    TOwnPaint(const TOwnPaint&) = delete;
    TOwnPaint& operator=(const TOwnPaint&) = delete;
    HDC Device() const { return FDevice; }

private:
    HWND FWindow;
    PAINTSTRUCT FPs{};
    HDC FDevice;
};

} // namespace

void PaintInCycle(HWND window, HDC given, const std::function<void(HDC)>& paint) {
    if (given) return paint(given);
    const TOwnPaint own(window);
    paint(own.Device());
}
