// Skin tests' recorders: the skin commands a control receives, and the windows a hook sees made.
#pragma once

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TWinControl.h"
#include "platform/window/Win.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What a control saw of one skin command: the code, the manager it named, whether it came
// through the control's window or by a direct call, and the manager's state at that moment.
struct TSeenCommand {
    std::uint16_t Code = 0;
    LPARAM Manager = 0;
    bool ViaWindow = false;
    bool SkinChanging = false;
    bool NewSkin = false;
    bool RemovingSkin = false;
    bool SkinInForce = false; // the manager's model says a skin is in force
    std::size_t Sections = 0; // the manager's section count
};

// Put in front of a control's procedure (and of its window's, when it has one). With
// answersSkinned the control answers the is-skinned question as skinned controls do.
class TSkinRecorder {
public:
    TSkinRecorder(TControl& control, bool answersSkinned) : FControl(control), FAnswers(answersSkinned) {
        FHook = control.PushWindowProc([this](TMessage& m, const TWndMethod& next) { Receive(m, next); });
        auto* windowed = dynamic_cast<TWinControl*>(&control);
        if (windowed && windowed->HandleAllocated()) WatchWindow(windowed->Handle());
    }
    ~TSkinRecorder() {
        FControl.RemoveWindowProc(FHook);
        if (FWindow && IsWindow(FWindow)) RemoveWindowProc(FWindow, FBelow);
    }
    TSkinRecorder(const TSkinRecorder&) = delete;
    TSkinRecorder& operator=(const TSkinRecorder&) = delete;

    // The manager commands (new skin, remove, refresh, stop fading) in the order they came.
    std::vector<std::uint16_t> Commands() const {
        std::vector<std::uint16_t> codes;
        for (const TSeenCommand& seen : Seen) {
            if (IsManagerCommand(seen.Code)) codes.push_back(seen.Code);
        }
        return codes;
    }
    const TSeenCommand* Last(std::uint16_t code) const {
        for (auto it = Seen.rbegin(); it != Seen.rend(); ++it) {
            if (it->Code == code) return &*it;
        }
        return nullptr;
    }

    std::vector<TSeenCommand> Seen;
    // Every message of its window with its first parameter, skin commands or not.
    std::vector<std::pair<UINT, WPARAM>> WindowMessages;

private:
    static bool IsManagerCommand(std::uint16_t code) {
        return code == scNewSkin || code == scRemoveSkin || code == scSetSkin || code == scStopFading;
    }

    void WatchWindow(HWND window) {
        FWindow = window;
        FBelow = SetWindowProc(window, [this](HWND h, UINT msg, WPARAM w, LPARAM l) {
            WindowMessages.emplace_back(msg, w);
            const bool outer = FViaWindow;
            FViaWindow = true;
            LRESULT result = CallWindowProc(FBelow, h, msg, w, l);
            FViaWindow = outer;
            return result;
        });
    }

    void Receive(TMessage& m, const TWndMethod& next) {
        if (m.Msg != SM_SKINCMD) return next(m);
        const std::uint16_t code = SkinCmdCode(m.WParam);
        TSeenCommand seen{code, m.LParam, FViaWindow, TsSkinManager::SkinChanging(), TsSkinManager::NewSkin(),
                          TsSkinManager::RemovingSkin()};
        if (auto* manager = reinterpret_cast<TsSkinManager*>(m.LParam); manager && IsManagerCommand(code)) {
            seen.SkinInForce = manager->Model().SkinData.Active;
            seen.Sections = manager->Model().GeneralData.size();
        }
        Seen.push_back(seen);
        if (code == scIsSkinned && FAnswers) {
            m.LParam = 1;
            m.Result = 1;
            return;
        }
        next(m);
    }

    TControl& FControl;
    bool FAnswers;
    TWndHookHandle FHook;
    HWND FWindow = nullptr;
    WNDPROC FBelow;
    bool FViaWindow = false;
};

// Counts the windows of a class made while it is alive, through the thread's CBT hook.
class TCreatedWindows {
public:
    explicit TCreatedWindows(std::string className) : FClass(std::move(className)) {
        FHook = SetWindowsHookEx(WH_CBT, [this](int code, WPARAM w, LPARAM l) {
            if (code == HCBT_CREATEWND && GetClassName(reinterpret_cast<HWND>(w)) == FClass) ++Count;
            return CallNextHookEx(FHook, code, w, l);
        }, nullptr, 0);
    }
    ~TCreatedWindows() { UnhookWindowsHookEx(FHook); }
    TCreatedWindows(const TCreatedWindows&) = delete;
    TCreatedWindows& operator=(const TCreatedWindows&) = delete;

    int Count = 0;

private:
    std::string FClass;
    HHOOK FHook = nullptr;
};
