// One real desktop window standing for one of our top-level windows: borderless (we draw the
// frame ourselves), placed, shown, shaped and stacked as our window system says, showing the
// pixels it is given.
#pragma once

#include "platform/window/Backend.h"

#include <cstdint>
#include <optional>

struct SDL_Window;

class SdlTopLevel {
public:
    // The kind of real window: captionless popups (menus, hints, lists, the chooser) are the
    // desktop's popup or tool-tip windows, which it never activates or lists in the task bar;
    // owned and tool windows stay out of the task bar too.
    static std::uint32_t CreationFlags(const TTopLevelState& state, bool captioned, bool owned);

    // minimizeByHiding: no window manager keeps minimised windows (nor a task bar to restore them
    // from), so minimised windows are simply taken off the screen. A visual other than 0 (an X11
    // visual id) makes the real window of that visual: one with alpha shows per-pixel alpha.
    SdlTopLevel(const TTopLevelState& state, std::uint32_t flags, bool minimizeByHiding = false,
                unsigned long visual = 0);
    ~SdlTopLevel();
    SdlTopLevel(const SdlTopLevel&) = delete;
    SdlTopLevel& operator=(const SdlTopLevel&) = delete;

    bool Valid() const { return FWindow != nullptr; }
    unsigned long Visual() const { return FVisual; }
    SDL_Window* Handle() const { return FWindow; }
    std::uint32_t Id() const;
    // Shown on the desktop: visible and not minimised.
    bool Mapped() const { return FMapped; }

    // Brings the real window in line with the state; the shape is passed apart because layered
    // windows add their see-through pixels to it.
    void Apply(const TTopLevelState& state);
    void SetShape(const std::optional<Region>& shape);
    void SetOpacity(float opacity);
    // Copies the dirty part of image (window coordinates) to the window and shows it.
    void Present(const Bitmap& image, const Region& dirty);
    // Shows the last presented pixels again (the desktop lost them).
    void Refresh();
    // The real window's pixels are gone (a new size): the next present copies the whole image.
    void SurfaceLost() { FSurfaceLost = true; }

private:
    void ApplyBounds(const TRect& bounds);
    void ApplyVisibility(const TTopLevelState& state);

    SDL_Window* FWindow = nullptr;
    unsigned long FVisual = 0;
    TRect FBounds;
    bool FMapped = false;
    bool FMinimized = false;
    bool FMinimizeByHiding = false;
    bool FTopMost = false;
    std::string FTitle;
    std::optional<Region> FShape;
    bool FShapeApplied = false;
    float FOpacity = 1.0f;
    bool FSurfaceLost = true;
};
