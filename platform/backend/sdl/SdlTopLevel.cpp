// A real window for one top-level window.
#include "platform/backend/sdl/SdlTopLevel.h"
#include "platform/backend/sdl/X11Bridge.h"

#include <SDL.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// Past this many pieces one bounding rectangle reaches the screen faster than many small ones.
constexpr std::size_t kMaxUpdateRects = 16;

Uint32 SourceFormat(const Bitmap& image) {
    return image.Format() == TPixelFormat::pf32bit ? SDL_PIXELFORMAT_BGRA32 : SDL_PIXELFORMAT_BGR24;
}

// A visual with alpha holds blue, green, red and alpha bytes as our 32-bit images do; the video
// may describe its surface without the alpha, so the bytes are copied as they are.
void CopyRaw(const Bitmap& image, SDL_Surface* surface, const TRect& r) {
    auto* base = static_cast<std::uint8_t*>(surface->pixels);
    for (int y = r.Top; y < r.Bottom; ++y)
        std::copy_n(image.ScanLine(y) + r.Left * 4, r.Width() * 4, base + y * surface->pitch + r.Left * 4);
}

void CopyRect(const Bitmap& image, SDL_Surface* surface, const TRect& r) {
    auto* base = static_cast<std::uint8_t*>(surface->pixels);
    int bpp = surface->format->BytesPerPixel;
    int sbpp = image.BytesPerPixel();
    Uint32 from = SourceFormat(image);
    if (image.Stride() > 0) {
        SDL_ConvertPixels(r.Width(), r.Height(), from, image.ScanLine(r.Top) + r.Left * sbpp,
                          static_cast<int>(image.Stride()), surface->format->format,
                          base + r.Top * surface->pitch + r.Left * bpp, surface->pitch);
        return;
    }
    for (int y = r.Top; y < r.Bottom; ++y)
        SDL_ConvertPixels(r.Width(), 1, from, image.ScanLine(y) + r.Left * sbpp,
                          static_cast<int>(image.RowBytes()), surface->format->format,
                          base + y * surface->pitch + r.Left * bpp, surface->pitch);
}
} // namespace

std::uint32_t SdlTopLevel::CreationFlags(const TTopLevelState& state, bool captioned, bool owned) {
    std::uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    bool transient = state.Popup && !captioned;
    if (transient) flags |= (state.Layered || state.ToolWindow) ? SDL_WINDOW_TOOLTIP : SDL_WINDOW_POPUP_MENU;
    if (transient || owned || state.ToolWindow) flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (state.TopMost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    return flags;
}

SdlTopLevel::SdlTopLevel(const TTopLevelState& state, std::uint32_t flags, bool minimizeByHiding,
                         unsigned long visual)
    : FVisual(visual), FBounds(state.Bounds), FMinimizeByHiding(minimizeByHiding), FTopMost(state.TopMost),
      FTitle(state.Text) {
    // The video takes the visual of new windows from a hint, read when the window is made.
    const char* usual = SDL_GetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID);
    const std::string before = usual ? usual : "";
    if (visual) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, std::to_string(visual).c_str());
    FWindow = SDL_CreateWindow(state.Text.c_str(), state.Bounds.Left, state.Bounds.Top,
                               std::max(1, state.Bounds.Width()), std::max(1, state.Bounds.Height()), flags);
    if (visual) SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, before.c_str());
    if (FWindow && X11Bridge::Active()) X11Bridge::ShareScreenColormap(FWindow);
}

SdlTopLevel::~SdlTopLevel() {
    if (FWindow) SDL_DestroyWindow(FWindow);
}

std::uint32_t SdlTopLevel::Id() const {
    return FWindow ? SDL_GetWindowID(FWindow) : 0;
}

void SdlTopLevel::ApplyBounds(const TRect& bounds) {
    if (bounds.TopLeft() != FBounds.TopLeft()) SDL_SetWindowPosition(FWindow, bounds.Left, bounds.Top);
    if (bounds.Size() != FBounds.Size()) {
        FSurfaceLost = true;
        SDL_SetWindowSize(FWindow, std::max(1, bounds.Width()), std::max(1, bounds.Height()));
    }
    FBounds = bounds;
}

void SdlTopLevel::ApplyVisibility(const TTopLevelState& state) {
    bool mapped = state.Visible && !state.Minimized;
    if (state.Minimized != FMinimized && state.Visible && !FMinimizeByHiding) {
        // Minimising goes through the desktop, which keeps a task-bar entry to restore from.
        if (state.Minimized)
            SDL_MinimizeWindow(FWindow);
        else
            SDL_RestoreWindow(FWindow);
    }
    FMinimized = state.Minimized;
    if (state.Visible && !FMapped && !state.Minimized) SDL_ShowWindow(FWindow);
    bool hide = !state.Visible || (state.Minimized && FMinimizeByHiding);
    if (hide && (FMapped || SDL_GetWindowFlags(FWindow) & SDL_WINDOW_SHOWN)) SDL_HideWindow(FWindow);
    FMapped = mapped;
}

void SdlTopLevel::Apply(const TTopLevelState& state) {
    if (!FWindow) return;
    ApplyBounds(state.Bounds);
    if (state.Text != FTitle) {
        FTitle = state.Text;
        SDL_SetWindowTitle(FWindow, FTitle.c_str());
    }
    if (state.TopMost != FTopMost) {
        FTopMost = state.TopMost;
        SDL_SetWindowAlwaysOnTop(FWindow, FTopMost ? SDL_TRUE : SDL_FALSE);
    }
    ApplyVisibility(state);
}

void SdlTopLevel::SetShape(const std::optional<Region>& shape) {
    if (!FWindow || (FShapeApplied && shape == FShape)) return;
    FShape = shape;
    FShapeApplied = true;
    if (!X11Bridge::Active()) return; // other desktops show the plain rectangle
    if (!shape) {
        X11Bridge::SetShape(FWindow, {}, true);
        return;
    }
    Region clipped = *shape;
    clipped.Intersect(TRect{0, 0, FBounds.Width(), FBounds.Height()});
    X11Bridge::SetShape(FWindow, clipped.Rects(), false);
}

void SdlTopLevel::SetOpacity(float opacity) {
    if (!FWindow || opacity == FOpacity) return;
    FOpacity = opacity;
    SDL_SetWindowOpacity(FWindow, opacity);
}

void SdlTopLevel::Present(const Bitmap& image, const Region& dirty) {
    if (!FWindow) return;
    SDL_Surface* surface = SDL_GetWindowSurface(FWindow);
    if (!surface) return;
    Region area = FSurfaceLost ? Region(image.BoundsRect()) : dirty;
    FSurfaceLost = false;
    area.Intersect(TRect{0, 0, std::min(surface->w, image.Width()), std::min(surface->h, image.Height())});
    if (area.IsEmpty()) return;
    std::vector<TRect> rects = area.Rects();
    if (rects.size() > kMaxUpdateRects) rects = {area.BoundingBox()};
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    const bool raw = FVisual && image.Format() == TPixelFormat::pf32bit && surface->format->BytesPerPixel == 4;
    for (const TRect& r : rects) raw ? CopyRaw(image, surface, r) : CopyRect(image, surface, r);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    std::vector<SDL_Rect> updates;
    updates.reserve(rects.size());
    for (const TRect& r : rects) updates.push_back({r.Left, r.Top, r.Width(), r.Height()});
    SDL_UpdateWindowSurfaceRects(FWindow, updates.data(), static_cast<int>(updates.size()));
}

void SdlTopLevel::Refresh() {
    if (FWindow && SDL_GetWindowSurface(FWindow)) SDL_UpdateWindowSurface(FWindow);
}
