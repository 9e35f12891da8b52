// The record the window system keeps for one window; only the window system sees it.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/window/ScrollBarState.h"
#include "platform/window/WindowClass.h"
#include "platform/window/WinStyles.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct LayeredState {
    DWORD FFlags = 0;            // LWA_* from SetLayeredWindowAttributes
    BYTE FAlpha = 255;
    TColor FKey = clNone;
    bool FHasImage = false;      // UpdateLayeredWindow gave a per-pixel image
    Bitmap FImage;               // 32-bit premultiplied, window-sized
    BLENDFUNCTION FBlend;
    DWORD FImageFlags = 0;       // ULW_*
};

// Fields are public to the window system's own classes; callers outside platform/window only
// ever hold HWNDs. Rectangles: FRect is in the parent's client coordinates (screen coordinates for
// top-level windows); FClient and the update region are in window coordinates.
class Window {
public:
    HWND FHandle = nullptr;
    std::shared_ptr<const WindowClass> FClass;
    std::string FText;
    DWORD FStyle = 0;
    DWORD FExStyle = 0;
    UINT_PTR FId = 0;
    LONG_PTR FUserData = 0;
    HMENU FMenu = nullptr;       // top-level windows: the menu bar's menu
    HICON FIcon = nullptr;
    HFONT FFont = nullptr;
    Window* FParent = nullptr;   // nullptr for top-level windows
    Window* FOwner = nullptr;
    std::vector<Window*> FChildren; // z-order, topmost first
    TRect FRect;
    TRect FClient;
    TRect FRestoreRect;          // the normal position while minimised or maximised
    std::shared_ptr<WindowProcNode> FProc;
    std::map<std::string, std::uintptr_t> FProps;
    ScrollBarState FScrollBars[2] = {{0, 100}, {0, 100}}; // the window's own bars: [SB_HORZ], [SB_VERT]

    Region FUpdate;              // client part still to paint (window coordinates)
    bool FNcDirty = false;
    bool FEraseDirty = false;
    bool FEraseUnanswered = false; // erased before WM_PAINT but nobody erased: fErase for BeginPaint
    bool FInternalPaint = false;
    bool FRedraw = true;         // WM_SETREDRAW
    bool FNcCreateSent = false;  // the procedure saw WM_NCCREATE and is owed WM_NCDESTROY
    bool FDestroying = false;
    bool FNcActive = false;      // the active look of the frame
    bool FHiddenWithOwner = false; // hidden because its owner was minimised; shown on restore
    std::optional<Region> FShape; // SetWindowRgn, window coordinates
    std::unique_ptr<LayeredState> FLayered;

    // Top-level windows only: the backing bitmap (frame included) and what changed in it since
    // it was last presented (window coordinates). FBackingSize is the size it was last made for;
    // the bitmap is empty when that size did not fit in memory.
    Bitmap FBacking;
    TSize FBackingSize;
    Region FDirty;

    bool IsChild() const { return (FStyle & WS_CHILD) != 0 && FParent != nullptr; }
    bool IsTopLevel() const { return FParent == nullptr; }
    bool HasStyle(DWORD s) const { return (FStyle & s) == s; }
    bool HasExStyle(DWORD s) const { return (FExStyle & s) == s; }
    UINT ClassStyle() const { return FClass ? FClass->FStyle : 0; }

    Window* TopLevel();
    // Visible itself and every ancestor.
    bool IsShowing() const;
    // Enabled itself and every ancestor (a disabled parent disables its children's input).
    bool IsEnabledChain() const;
    // Painting switched off for this window or an ancestor (WM_SETREDRAW).
    bool IsRedrawSuppressed() const;
    bool IsDescendantOf(const Window* ancestor) const;

    TRect WindowBounds() const { return {0, 0, FRect.Width(), FRect.Height()}; }
    // Window top-left in screen coordinates, and in the coordinates of its top-level window.
    TPoint ScreenOrigin() const;
    TPoint OriginInTop() const;
    TPoint ClientScreenOrigin() const;
    TRect ScreenRect() const;
    TRect ClientScreenRect() const;
    // Point inside the window's rectangle and shape (pt in the window's parent coordinates).
    bool ContainsInParent(TPoint pt) const;
};
