// Painting: update regions, the order of non-client paint, erase and paint, visible regions with
// child and sibling clipping, device contexts over the backing bitmaps, and presenting.
#pragma once

#include "platform/window/Window.h"

#include <cstdint>
#include <memory>
#include <vector>

class WindowSystem;

class PaintManager {
public:
    explicit PaintManager(WindowSystem& ws) : FWs(ws) {}

    // What of w can be seen, in the coordinates of its top-level window: its client area or whole
    // rectangle, cut by its and its ancestors' regions and clients, by the siblings above when
    // clipSiblings (ancestors by their own WS_CLIPSIBLINGS) and by its children when clipChildren.
    // Empty while the window or an ancestor is hidden, minimised or has redrawing switched off.
    Region VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings) const;

    // RDW_INVALIDATE / RDW_VALIDATE and their companions for a region in w's window coordinates;
    // children follow with RDW_ALLCHILDREN, or when w does not clip its children.
    void Invalidate(Window* w, const Region& windowRegion, UINT flags);
    // RDW_UPDATENOW / RDW_ERASENOW: paints w (and its children when asked) at once.
    void UpdateNow(HWND hwnd, bool children, bool eraseOnly);
    bool NeedsPaint(const Window* w) const;
    // The next window to get WM_PAINT (parents before children, lower siblings first); windows
    // whose only damage is the frame are sent WM_NCPAINT on the way.
    Window* NextToPaint(HWND filter);
    void SendNcPaint(HWND hwnd);
    // Sends WM_ERASEBKGND when erasing is pending, with a context clipped to the update region.
    bool SendErase(HWND hwnd, const Region& clipTop);
    // Erases the pending update region now, so WM_ERASEBKGND comes before WM_PAINT.
    void EraseNow(HWND hwnd);

    HDC BeginPaint(Window* w, PAINTSTRUCT* ps);
    void EndPaint(const PAINTSTRUCT* ps);
    HDC GetDCEx(Window* w, const Region* clipScreen, DWORD flags);
    bool ReleaseDC(HDC dc);
    // Drops the contexts of a window being destroyed.
    void ForgetWindow(HWND hwnd);

    // Gives each top-level window's changed pixels to the back end.
    void FlushPresents();
    void MarkDirty(Window* top, const Region& topRegion);
    // The backing bitmap follows the window's size; a new size repaints everything.
    void SizeBacking(Window* top);
    std::uint64_t BeginPaintCount() const { return FBeginPaintCount; }

private:
    struct DcEntry {
        std::unique_ptr<DeviceContext> Dc;
        HWND Hwnd = nullptr;
        HWND Top = nullptr;
        Region Clip; // device (top-level window) coordinates
    };

    Region ClipSiblingsAbove(Window* w, TPoint parentClientOrigin, const TRect& within) const;
    HDC MakeDc(Window* w, const Region& clip, TPoint origin);
    void PaintTree(HWND hwnd, bool children, bool eraseOnly);

    WindowSystem& FWs;
    std::vector<DcEntry> FDcs;
    std::uint64_t FBeginPaintCount = 0;
};
