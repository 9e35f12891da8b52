// Copying a container's image around its children and painting its graphic children.
#include "skin/paint/ContainerPainting.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/PixelMath.h"
#include "skin/paint/TransparentCorners.h"
#include "skin/paint/TsCommonData.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/SkinBroadcast.h"

#include "framework/TBitmap.h"
#include "framework/TWinControl.h"

#include <vector>

namespace {

bool Designing(const TControl& control) {
    return control.ComponentState().Contains(csDesigning);
}

bool IsGraphic(const TControl& control) {
    return dynamic_cast<const TWinControl*>(&control) == nullptr;
}

bool Overlaps(const TRect& bounds, const TRect& d) {
    return bounds.Left < d.Right && bounds.Top < d.Bottom && bounds.Right > d.Left && bounds.Bottom > d.Top;
}

// A graphic child that paints itself over the container's image in this paint.
bool TakesPart(const TControl& child, const TRect& clip) {
    if (!IsGraphic(child) || child.ComponentState().Contains(csDestroying)) return false;
    const bool designing = Designing(child);
    if (!child.Visible() && !designing) return false;
    if (designing && child.ControlStyle().Contains(csNoDesignVisible)) return false;
    if (child.Width() + child.Height() < 1) return false;
    const TRect bounds = child.BoundsRect();
    return !bounds.IsEmpty() && !bounds.Intersect(clip).IsEmpty();
}

// The child's area of the off-screen image before it paints: its Color when opaque, else the
// container's image behind it.
void PrepareChildArea(Bitmap& offscreen, const TControl& child, const TParentImageInfo& image) {
    const TRect bounds = child.BoundsRect();
    if (child.ControlStyle().Contains(csOpaque)) {
        FillSolidRect(offscreen, bounds, child.Color());
        return;
    }
    offscreen.CopyRect(bounds.Left, bounds.Top, *image.Bmp, bounds.Offset(image.X, image.Y));
}

// The child paints into the off-screen image, its origin at the child's corner.
void PaintChild(DeviceContext& offscreen, TControl& child, bool paintCopy) {
    const int saved = offscreen.SaveDC();
    offscreen.OffsetViewportOrg(child.Left(), child.Top());
    offscreen.IntersectClipRect({0, 0, child.Width(), child.Height()});
    const TControlState state = child.ControlState();
    if (paintCopy) child.SetControlState(TControlState(state).Include(csPaintCopy));
    child.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&offscreen), 0);
    if (paintCopy) child.SetControlState(state);
    offscreen.RestoreDC(saved);
}

// A child that leaves its top-left pixel in the key colour asks not to be copied.
bool TopLeftIsKey(const Bitmap& offscreen, TPoint corner) {
    if (corner.X < 0 || corner.Y < 0 || corner.X >= offscreen.Width() || corner.Y >= offscreen.Height()) return false;
    return PixelMath::IsKeyPixel(offscreen.PixelAddress(corner.X, corner.Y));
}

} // namespace

void CopyCacheExcludingChildren(TWinControl& container, TsCommonData& data, TPoint sourceOffset, const TRect& d,
                                HDC dc, bool restoreCorners) {
    if (restoreCorners) RestoreTransparentCorners(data, 0, ccAllCorners);
    const TBitmap* cache = data.CacheBitmap();
    if (!dc || !cache) return;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(d);
    for (int i = 0; i < container.ControlCount(); ++i) {
        const TControl* child = container.Controls(i);
        if (!child->Visible() || !Overlaps(child->BoundsRect(), d)) continue;
        if (IsGraphic(*child) || child->ControlStyle().Contains(csOpaque) || Designing(*child))
            dc->ExcludeClipRect(child->BoundsRect());
    }
    dc->DrawBitmap(d.Left, d.Top, cache->Image(),
                   {sourceOffset.X, sourceOffset.Y, sourceOffset.X + d.Width(), sourceOffset.Y + d.Height()});
    dc->RestoreDC(saved);
}

void PaintGraphicChildren(HDC dc, TWinControl& container) {
    if (!dc || !container.Visible() || container.ControlCount() == 0) return;
    TRect clip;
    dc->GetClipBox(&clip);
    if (clip.IsEmpty()) {
        SkinCommandToControl(&container, scImageDependsOnParent, 0);
        return;
    }
    const TParentImageInfo image = CacheInfoOf(container);
    if (!image.Ready || !image.Bmp) return;
    std::vector<TControl*> children;
    for (int i = 0; i < container.ControlCount(); ++i) {
        if (TakesPart(*container.Controls(i), clip)) children.push_back(container.Controls(i));
    }
    if (children.empty()) return;
    Bitmap offscreen = CreateWorkBitmap(container.Width(), container.Height());
    for (TControl* child : children) PrepareChildArea(offscreen, *child, image);
    DeviceContext offscreenDC(&offscreen);
    const bool paintCopy = container.ControlState().Contains(csPaintCopy);
    for (TControl* child : children) PaintChild(offscreenDC, *child, paintCopy);
    for (TControl* child : children) {
        const TRect bounds = child->BoundsRect();
        if (TopLeftIsKey(offscreen, bounds.TopLeft())) continue;
        dc->DrawBitmap(bounds.Left, bounds.Top, offscreen, bounds);
    }
}

void NotifyChildrenRepainted(TWinControl& container) {
    try {
        for (int i = 0; i < container.ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(container.Controls(i));
            if (!child || child->ComponentState().Contains(csDestroying)) continue;
            if (child->HandleAllocated() && child->Showing()) {
                SendSkinCommand(child->Handle(), scParentRepainted, 0);
            } else {
                TMessage notice = MakeSkinCommand(scParentRepainted);
                child->WindowProc(notice);
            }
        }
    } catch (...) {
        // A failing child ends the walk; the container's own painting stands.
        return;
    }
}

