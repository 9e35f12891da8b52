// Timer components on the window system's thread timers.
#include "framework/TTimer.h"

#include "framework/TApplication.h"

#include "platform/window/MessageApi.h"

#include <utility>

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    Stop();
}

void TTimer::SetEnabled(bool enabled) {
    if (FEnabled == enabled) return;
    FEnabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (FInterval == ms) return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::Stop() {
    if (FTimerId) KillTimer(nullptr, std::exchange(FTimerId, 0));
}

void TTimer::UpdateTimer() {
    Stop();
    if (!FEnabled || FInterval == 0) return;
    FTimerId = SetTimer(nullptr, 0, FInterval, [this](HWND, UINT, UINT_PTR, DWORD) {
        try {
            Timer();
        } catch (const std::exception& e) {
            if (Application) Application->HandleException(this, &e);
        }
    });
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}
