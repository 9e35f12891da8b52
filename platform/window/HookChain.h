// The UI thread's CBT hooks, newest first; each hook passes on with CallNextHookEx.
#pragma once

#include "platform/window/WinTypes.h"

#include <memory>
#include <vector>

class HookChain {
public:
    HHOOK Add(HOOKPROC proc);
    bool Remove(HHOOK hook);
    bool Empty() const { return FHooks.empty(); }
    // Runs the chain from its newest hook; 0 when there is none.
    LRESULT CallFirst(int code, WPARAM wParam, LPARAM lParam);
    // Runs the hooks installed before `after`.
    LRESULT CallNext(HHOOK after, int code, WPARAM wParam, LPARAM lParam);

private:
    struct Hook {
        HHOOK Handle = nullptr;
        std::shared_ptr<HOOKPROC> Proc;
    };
    LRESULT CallFrom(std::size_t index, int code, WPARAM wParam, LPARAM lParam);

    std::vector<Hook> FHooks; // newest first
    std::uintptr_t FNextHandle = 0;
};
