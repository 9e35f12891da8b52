// The page control's skinned scroller.
#include "skin/controls/TacTabScroller.h"

#include "skin/controls/TsUpDown.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TPageControl.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/controls/UpDownCodes.h"
#include "platform/window/ScrollCodes.h"
#include "platform/window/Win.h"

#include <utility>

TacTabScroller::~TacTabScroller() {
    FUpdating = true; // the control hears the up-down leave while it goes itself
    Free();
}

void TacTabScroller::Free() {
    delete std::exchange(FUpDown, nullptr);
}

TRect TacTabScroller::Bounds() const {
    return FUpDown ? FUpDown->BoundsRect() : TRect{};
}

TRect TacTabScroller::ItemRect(int tabIndex) const {
    TRect r;
    if (!SendMessage(FControl.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tabIndex), reinterpret_cast<LPARAM>(&r))) return {};
    return r;
}

int TacTabScroller::Width() {
    return 2 * GetSystemMetrics(SM_CXHSCROLL) + 2;
}

int TacTabScroller::CountPast(int limit) const {
    const int count = static_cast<int>(SendMessage(FControl.Handle(), TCM_GETITEMCOUNT, 0, 0));
    int past = 0;
    for (int i = 0; i < count; ++i) {
        const TRect r = ItemRect(i);
        if (r.Right > limit || r.Right <= 4) ++past;
    }
    return past;
}

// Counted against the scroller that will stand at the row's end whenever any tab sticks out, so
// the count does not depend on whether the scroller was there before.
int TacTabScroller::OverflowingTabs() const {
    if (!FControl.HandleAllocated()) return 0;
    const int limit = FControl.ClientWidth() - 3;
    return CountPast(limit) == 0 ? 0 : CountPast(limit - Width());
}

int TacTabScroller::FirstShownTab() const {
    const int count = static_cast<int>(SendMessage(FControl.Handle(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (ItemRect(i).Left >= 0) return i;
    return 0;
}

// The platform's scroller is its up-down child; ours is one too, and stays.
void TacTabScroller::DestroyPlatformScroller() {
    const HWND ours = FUpDown && FUpDown->HandleAllocated() ? FUpDown->Handle() : nullptr;
    for (HWND child = GetWindow(FControl.Handle(), GW_CHILD); child;) {
        const HWND next = GetWindow(child, GW_HWNDNEXT);
        if (child != ours && GetClassName(child) == UPDOWN_CLASS) DestroyWindow(child);
        child = next;
    }
}

void TacTabScroller::Update() {
    if (FUpdating || !FControl.HandleAllocated() || FControl.ComponentState().Contains(csDestroying)) return;
    FUpdating = true;
    const bool skinned = FData.IsSkinned();
    if (skinned) DestroyPlatformScroller();
    const bool row = FControl.TabPosition() == tpTop || FControl.TabPosition() == tpBottom;
    const int overflowing = skinned && row && !FControl.MultiLine() ? OverflowingTabs() : 0;
    if (overflowing > 0) Make();
    else if (FUpDown) Free();
    if (!skinned && FUpDown == nullptr) RestorePlatformScroller();
    if (FUpDown) {
        FUpDown->SetRange(0, overflowing);
        FUpDown->SetPosition(FirstShownTab());
    }
    FUpdating = false;
}

// The platform lays its row out again (and makes its scroller when the row needs one).
void TacTabScroller::RestorePlatformScroller() {
    for (HWND child = GetWindow(FControl.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetClassName(child) == UPDOWN_CLASS) return;
    SendMessage(FControl.Handle(), WM_SIZE, 0, MAKELPARAM(FControl.ClientWidth(), FControl.ClientHeight()));
}

// Two scroll-arrow widths and a scroll bar's height, at the right end of the row: at the top for
// tabs on top, at the bottom for tabs below.
void TacTabScroller::Make() {
    if (!FUpDown) {
        FUpDown = new TsUpDown(nullptr); // freed here, not among the form's components
        FUpDown->SetOrientation(udHorizontal);
        FUpDown->SetIncrement(1);
        FUpDown->OnClick = [this](TObject*, TUDBtnType) { Clicked(); };
        FUpDown->SetParent(&FControl);
    }
    FUpDown->SkinData()->SetSkinSection(FUpDown->ButtonSection());
    const int height = GetSystemMetrics(SM_CYHSCROLL) + 1;
    const int top = FControl.TabPosition() == tpBottom ? FControl.ClientHeight() - height : 0;
    FUpDown->SetBounds(FControl.ClientWidth() - Width(), top, Width(), height);
}

void TacTabScroller::Clicked() {
    if (!FUpDown) return;
    SendMessage(FControl.Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, FUpDown->Position()), 0);
    FData.SetCacheInvalid(true);
    FControl.Invalidate();
}
