// Asking a control's parent about its background.
#include "skin/paint/ParentQueries.h"

#include "skin/paint/ParentColors.h"

#include "skin/data/SkinBroadcast.h"

#include "framework/TWinControl.h"
#include "platform/window/MessageApi.h"

TParentImageInfo CacheInfoAnswer;

namespace {

bool BeingDestroyed(const TComponent& component) {
    return component.ComponentState().Contains(csDestroying);
}

// The answer left in the record after a request made by `ask`.
template <class Ask> TParentImageInfo AskForCacheInfo(Ask&& ask) {
    CacheInfoAnswer = {};
    ask();
    TParentImageInfo answer = CacheInfoAnswer;
    CacheInfoAnswer = {};
    return answer;
}

} // namespace

TParentImageInfo AskParentCacheInfo(const TControl& control) {
    TWinControl* parent = control.Parent();
    if (!parent || BeingDestroyed(*parent) || !parent->HandleAllocated()) return {};
    return AskForCacheInfo([parent] { SendSkinCommand(parent->Handle(), scGetCacheInfo, 0); });
}

TParentImageInfo CacheInfoOf(TControl& container) {
    return AskForCacheInfo([&container] {
        TMessage request = MakeSkinCommand(scGetCacheInfo);
        container.WindowProc(request);
    });
}

void GetParentBackgroundColor(TWinControl& window) {
    ParentFillColor = clKeyColor;
    SkinCommandToControl(&window, scGetBackgroundColor, 0);
    ParentFillColor = ColorToRGB(IsParentColorSet(ParentFillColor) ? ParentFillColor : window.Color());
}

bool ParentBackgroundIsNotUniform(const TControl& control) {
    TWinControl* parent = control.Parent();
    return parent && SkinCommandToControl(parent, scUniformBackground, 0) != 0;
}

bool IsReadyToPaint(const TControl& control) {
    auto* windowed = dynamic_cast<const TWinControl*>(&control);
    if (windowed && !windowed->HandleAllocated()) return false;
    const TControlState state = control.ControlState();
    const TComponentState component = control.ComponentState();
    if (state.Contains(csCreating) || state.Contains(csReadingState)) return false;
    if (component.Contains(csReading) || component.Contains(csLoading) || component.Contains(csDestroying)) return false;
    return control.Parent() != nullptr;
}
