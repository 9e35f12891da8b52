// Memos.
#include "framework/TMemo.h"

#include "platform/controls/EditCodes.h"
#include "platform/window/Win.h"

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(this)) {
    FWidth = 185;
    FHeight = 89;
    SetAutoSelect(false);
    FControlStyle.Exclude(csFixedHeight);
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (FWantReturns) params.Style |= ES_WANTRETURN;
    if (FWordWrap) params.Style &= ~ES_AUTOHSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) params.Style |= WS_HSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (FScrollBars == value) return;
    FScrollBars = value;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    RecreateWnd();
}

void TMemo::Dispatch(TMessage& m) {
    if (m.Msg == CM_WANTSPECIALKEY) {
        m.Result = m.WParam == VK_RETURN && FWantReturns ? 1 : 0;
        return;
    }
    TCustomEdit::Dispatch(m);
}

// The platform edit asks for every key; the memo gives Tab, Enter and Esc to the form unless
// told otherwise.
void TMemo::WMGetDlgCode(TMessage& m) {
    TCustomEdit::WMGetDlgCode(m);
    m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (FWantTabs) m.Result |= DLGC_WANTTAB;
}

void TMemo::KeyPress(char32_t& key) {
    TCustomEdit::KeyPress(key);
    if ((key == U'\r' && !FWantReturns) || (key == U'\t' && !FWantTabs)) key = 0;
}
