// The track bar (slider) over the platform's "msctls_trackbar32": range, clamped position,
// page and line steps, ticks, orientation, thumb length, selection range and OnChange.
#pragma once

#include "framework/TWinControl.h"

#include <vector>

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// OnChange follows every real change of Position: set by program, moved by the user, or pushed
// into the new range by Min or Max. Setting the position it already has raises nothing.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TTrackBar"; }

    int Min() const { return FMin; }
    void SetMin(int value) { SetRange(value, value > FMax ? value : FMax); }
    int Max() const { return FMax; }
    // A maximum below the minimum takes the minimum with it.
    void SetMax(int value) { SetRange(value < FMin ? value : FMin, value); }
    void SetRange(int min, int max);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value);
    // A tick every Frequency values (TickStyle tsAuto).
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    // A tick of its own at a value (TickStyle tsManual); kept here, so a new window has it too.
    void SetTick(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    int ThumbLength() const { return FThumbLength; }
    void SetThumbLength(int value);
    bool SliderVisible() const { return FSliderVisible; }
    void SetSliderVisible(bool value);
    // A highlighted part of the channel, shown while SelEnd lies past SelStart.
    int SelStart() const { return FSelStart; }
    void SetSelStart(int value);
    int SelEnd() const { return FSelEnd; }
    void SetSelEnd(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    // CN_HSCROLL / CN_VSCROLL: the user moved the thumb.
    virtual void CNScroll(TMessage& message);
    virtual void Changed();

private:
    void ApplyPosition(int value);

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FLineSize = 1;
    int FFrequency = 1;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    TTrackBarOrientation FOrientation = trHorizontal;
    int FThumbLength = 20;
    bool FSliderVisible = true;
    std::vector<int> FTicks;
    int FSelStart = 0;
    int FSelEnd = 0;
};
