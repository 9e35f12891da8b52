// Aligned and anchored children.
#include "framework/TAlignLayout.h"

#include "framework/TControl.h"

#include <algorithm>

std::vector<TControl*> TAlignLayout::AlignedTo(const std::vector<TControl*>& children, int align) {
    std::vector<TControl*> list;
    for (TControl* c : children)
        if (c->Align() == align && c->Visible()) list.push_back(c);
    auto key = [align](TControl* c) {
        switch (align) {
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return c->Top();
        }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
    return list;
}

void TAlignLayout::Place(TControl* c, int align, TRect& rect) {
    const int w = c->Width(), h = c->Height();
    switch (align) {
    case alTop: c->SetAlignedBounds(rect.Left, rect.Top, rect.Width(), h); rect.Top += c->Height(); break;
    case alBottom: c->SetAlignedBounds(rect.Left, rect.Bottom - h, rect.Width(), h); rect.Bottom -= c->Height(); break;
    case alLeft: c->SetAlignedBounds(rect.Left, rect.Top, w, rect.Height()); rect.Left += c->Width(); break;
    case alRight: c->SetAlignedBounds(rect.Right - w, rect.Top, w, rect.Height()); rect.Right -= c->Width(); break;
    default: c->SetAlignedBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
    }
}

void TAlignLayout::Arrange(const std::vector<TControl*>& children, TRect& rect) {
    const TSize full = rect.Size();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        for (TControl* c : AlignedTo(children, align)) Place(c, align, rect);
    for (TControl* c : children) {
        if (c->Align() != alNone) continue;
        TRect b = c->AnchoredBounds(full);
        c->SetAlignedBounds(b.Left, b.Top, b.Width(), b.Height());
    }
}
