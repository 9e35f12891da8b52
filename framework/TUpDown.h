// The up-down (a pair of arrow buttons) over the platform's "msctls_updown32": range, position,
// step, orientation and OnClick for each step the user makes.
#pragma once

#include "framework/TWinControl.h"

#include <functional>

enum TUDOrientation { udHorizontal, udVertical };
// btNext steps up (right or top arrow), btPrev down.
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;

// The values live here and are mirrored into the platform control; a step by the user updates
// Position before OnClick hears of it. Setting values by program raises nothing.
class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner);
    std::string ClassName() const override { return "TUpDown"; }

    int Min() const { return FMin; }
    void SetMin(int value) { SetRange(value, value > FMax ? value : FMax); }
    int Max() const { return FMax; }
    // A maximum below the minimum takes the minimum with it.
    void SetMax(int value) { SetRange(value < FMin ? value : FMin, value); }
    void SetRange(int min, int max);
    // Kept within the range.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // The step of one click, at least 1.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    // Past an end the position goes round to the other one.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value);

    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void Click(TUDBtnType button);

private:
    void CNScroll(TMessage& message);

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    TUDOrientation FOrientation = udVertical;
    bool FWrap = false;
    int FLastDelta = 0; // of the step the platform announced last
};
