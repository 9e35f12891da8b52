// CBT hook chain.
#include "platform/window/HookChain.h"

#include <algorithm>

HHOOK HookChain::Add(HOOKPROC proc) {
    if (!proc) return nullptr;
    HHOOK handle = reinterpret_cast<HHOOK>(++FNextHandle);
    FHooks.insert(FHooks.begin(), Hook{handle, std::make_shared<HOOKPROC>(std::move(proc))});
    return handle;
}

bool HookChain::Remove(HHOOK hook) {
    auto it = std::find_if(FHooks.begin(), FHooks.end(), [hook](const Hook& h) { return h.Handle == hook; });
    if (it == FHooks.end()) return false;
    FHooks.erase(it);
    return true;
}

LRESULT HookChain::CallFrom(std::size_t index, int code, WPARAM wParam, LPARAM lParam) {
    if (index >= FHooks.size()) return 0;
    std::shared_ptr<HOOKPROC> proc = FHooks[index].Proc; // a hook may unhook itself while running
    return (*proc)(code, wParam, lParam);
}

LRESULT HookChain::CallFirst(int code, WPARAM wParam, LPARAM lParam) {
    return CallFrom(0, code, wParam, lParam);
}

LRESULT HookChain::CallNext(HHOOK after, int code, WPARAM wParam, LPARAM lParam) {
    auto it = std::find_if(FHooks.begin(), FHooks.end(), [after](const Hook& h) { return h.Handle == after; });
    if (it == FHooks.end()) return 0;
    return CallFrom(static_cast<std::size_t>(it - FHooks.begin()) + 1, code, wParam, lParam);
}
