// A timer component: OnTimer every Interval milliseconds while Enabled.
#pragma once

#include "framework/Events.h"
#include "framework/TComponent.h"

#include "platform/window/WinTypes.h"

// Runs on a thread timer of the window system, so it fires from the message loop (never inside
// another handler) and on the back end's clock. Changing Interval or Enabled restarts it; a
// disabled timer or one with Interval 0 never fires.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void Stop();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    UINT_PTR FTimerId = 0;
};
