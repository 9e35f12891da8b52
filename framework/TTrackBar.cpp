// Track bars: the values live here and are mirrored into the platform track bar.
#include "framework/TTrackBar.h"

#include "platform/controls/TrackBarCodes.h"
#include "platform/window/Win.h"

#include <algorithm>

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    FWidth = 150;
    FHeight = 45;
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = TRACKBAR_CLASS;
    params.Style |= TBS_FIXEDLENGTH | TBS_ENABLESELRANGE;
    if (FOrientation == trVertical) params.Style |= TBS_VERT;
    if (FTickMarks == tmTopLeft) params.Style |= TBS_TOP;
    if (FTickMarks == tmBoth) params.Style |= TBS_BOTH;
    if (FTickStyle == tsNone) params.Style |= TBS_NOTICKS;
    if (FTickStyle == tsAuto) params.Style |= TBS_AUTOTICKS;
    if (!FSliderVisible) params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(FHandle, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(FThumbLength), 0);
    SendMessage(FHandle, TBM_SETLINESIZE, 0, FLineSize);
    SendMessage(FHandle, TBM_SETPAGESIZE, 0, FPageSize);
    SendMessage(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
    SendMessage(FHandle, TBM_SETRANGEMAX, FALSE, FMax);
    SendMessage(FHandle, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
    for (int tick : FTicks) SendMessage(FHandle, TBM_SETTIC, 0, tick);
    SendMessage(FHandle, TBM_SETSELSTART, FALSE, FSelStart);
    SendMessage(FHandle, TBM_SETSELEND, FALSE, FSelEnd);
    SendMessage(FHandle, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::SetRange(int min, int max) {
    max = std::max(min, max);
    if (min == FMin && max == FMax) return;
    FMin = min;
    FMax = max;
    if (FHandle) {
        SendMessage(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
        SendMessage(FHandle, TBM_SETRANGEMAX, TRUE, FMax);
        SendMessage(FHandle, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
    }
    SetPosition(FPosition);
}

void TTrackBar::SetPosition(int value) {
    value = std::clamp(value, FMin, FMax);
    if (value == FPosition) return;
    ApplyPosition(value);
    Changed();
}

void TTrackBar::ApplyPosition(int value) {
    FPosition = value;
    if (FHandle) SendMessage(FHandle, TBM_SETPOS, TRUE, value);
}

void TTrackBar::SetPageSize(int value) {
    if (FPageSize == value) return;
    FPageSize = value;
    if (FHandle) SendMessage(FHandle, TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetLineSize(int value) {
    if (FLineSize == value) return;
    FLineSize = value;
    if (FHandle) SendMessage(FHandle, TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetFrequency(int value) {
    value = std::max(1, value);
    if (FFrequency == value) return;
    FFrequency = value;
    if (FHandle) SendMessage(FHandle, TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetTickMarks(TTickMark value) {
    if (FTickMarks == value) return;
    FTickMarks = value;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    if (FTickStyle == value) return;
    FTickStyle = value;
    RecreateWnd();
}

void TTrackBar::SetTick(int value) {
    if (std::find(FTicks.begin(), FTicks.end(), value) == FTicks.end()) FTicks.push_back(value);
    if (FHandle) SendMessage(FHandle, TBM_SETTIC, 0, value);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    SetBounds(FLeft, FTop, FHeight, FWidth);
    RecreateWnd();
}

void TTrackBar::SetThumbLength(int value) {
    if (FThumbLength == value) return;
    FThumbLength = value;
    if (FHandle) SendMessage(FHandle, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SetSliderVisible(bool value) {
    if (FSliderVisible == value) return;
    FSliderVisible = value;
    RecreateWnd();
}

void TTrackBar::SetSelStart(int value) {
    if (FSelStart == value) return;
    FSelStart = value;
    if (FHandle) SendMessage(FHandle, TBM_SETSELSTART, TRUE, value);
}

void TTrackBar::SetSelEnd(int value) {
    if (FSelEnd == value) return;
    FSelEnd = value;
    if (FHandle) SendMessage(FHandle, TBM_SETSELEND, TRUE, value);
}

void TTrackBar::Dispatch(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        CNScroll(m);
        return;
    }
    TWinControl::Dispatch(m);
}

// Every notification of a drag or a key reports the platform's position; only a new value is
// a change.
void TTrackBar::CNScroll(TMessage& m) {
    m.Result = 0;
    if (!FHandle) return;
    const int pos = static_cast<int>(SendMessage(FHandle, TBM_GETPOS, 0, 0));
    if (pos == FPosition) return;
    FPosition = pos;
    Changed();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}
