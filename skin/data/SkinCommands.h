// The skin command message: its number, the command codes and how they are packed and answered.
#pragma once

#include <cstdint>
#include <functional>

// The same number in every process, whatever registering the name "SM_SKINCMD" would return.
constexpr unsigned SM_SKINCMD = 0xA100;

// Command codes, carried in the high word of the first parameter. (Q) marks questions.
enum TacSkinCommand : std::uint16_t {
    scNewSkin = 1,              // a new skin is in force
    scRemoveSkin = 2,           // the skin is gone
    scSetSkin = 3,              // repaint with the current skin (refresh)
    scGetProvider = 4,          // (Q) the form's skinning component, or 0
    scGetCacheInfo = 5,         // (Q) the parent fills the process-wide cache-info record
    scParentRepainted = 6,      // the parent painted its client area
    scIsSkinned = 7,            // (Q) 1 from controls and forms that handle skin commands
    scSuspendPainting = 8,      // argument 1 suspends, 0 resumes
    scLockUpdate = 9,           // argument 1 locks, 0 unlocks
    scMayIPaint = 10,           // (Q) non-zero: the parent's image is not ready, do not paint
    scParentImage = 11,         // (Q) whether the asked binding uses its parent's image
    scParentChanged = 12,       // a see-through binding marks its image invalid
    scMenuBorder = 14,          // the menu painting draws this menu window's border
    scRepaintingChild = 15,     // a speed button repaints itself (the button, then 0)
    scStopFading = 16,          // stop a running state fade
    scInvalidateCache = 17,     // the cached image becomes invalid
    scUniformBackground = 19,   // (Q) true when the background is not one plain colour
    scRepaintDependants = 20,   // a control moved or was sized; argument 1 redraws children too
    scGetBackgroundColor = 21,  // (Q) the parent stores its background in ParentFillColor
    scImageDependsOnParent = 22, // the binding's image uses the parent's image
    scPrepareImage = 23,        // render the cached image for the new state now
    scFadeFrame = 24,           // one fade frame (a bitmap); non-zero when drawn by the control
    scSkinnedControl = 25,      // a binding tells its form about its control
    scWrapperCombo = 26,        // among the window wrappers only
    scWrapperChildren = 27,     // among the window wrappers only
    scMouseEntered = 29,        // the window under the mouse becomes hot
    scMouseLeft = 30,           // the previous hot window is no longer hot
    scBeginUpdate = 31,         // the control's painting is suspended
    scEndUpdate = 32,           // the control's painting has resumed
    scScrollStart = 51,         // a see-through form stops redrawing while scrolling
    scScrollEnd = 52,           // scrolling ended: redraw with the children
    scGetApplication = 60,      // (Q) the application object
    scClientOffset = 61,        // (Q) client-area offset inside the window: x low, y high word
};

// The message's parameters, with the platform's types (WPARAM unsigned, LPARAM signed).
using TSkinCmdWParam = std::uintptr_t;
using TSkinCmdLParam = std::intptr_t;

constexpr TSkinCmdWParam MakeSkinCmdWParam(std::uint16_t code, std::uint16_t argument = 0) {
    return (static_cast<TSkinCmdWParam>(code) << 16) | argument;
}
constexpr std::uint16_t SkinCmdCode(TSkinCmdWParam wParam) { return static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF); }
constexpr std::uint16_t SkinCmdArgument(TSkinCmdWParam wParam) { return static_cast<std::uint16_t>(wParam & 0xFFFF); }

// The record a command travels in when it is handed to a control by a direct call (a control
// without a window). Questions that such controls answer put the answer into LParam.
struct TSkinCmdRecord {
    unsigned Msg = SM_SKINCMD;
    TSkinCmdWParam WParam = 0;
    TSkinCmdLParam LParam = 0;
    TSkinCmdLParam Result = 0;

    std::uint16_t Code() const { return SkinCmdCode(WParam); }
    std::uint16_t Argument() const { return SkinCmdArgument(WParam); }
};

constexpr TSkinCmdRecord MakeSkinCmdRecord(std::uint16_t code, TSkinCmdLParam lParam = 0, std::uint16_t argument = 0) {
    return {SM_SKINCMD, MakeSkinCmdWParam(code, argument), lParam, 0};
}

// How a command reaches one receiver: a direct call of its message handler with a record, and,
// when it has a window, a synchronous send that returns the result. The framework supplies both.
struct TSkinCmdReceiver {
    std::function<void(TSkinCmdRecord&)> DirectCall;
    std::function<TSkinCmdLParam(TSkinCmdWParam, TSkinCmdLParam)> Send; // empty: no window
};

// The questions a control without a window must be able to answer: the answer goes into the
// record's LParam field instead of its result.
bool AnswersInRecord(std::uint16_t code);
// The is-skinned question: a direct call first (a graphic control answers 1 in the record);
// otherwise, with a window, a send whose result must be 1.
bool AskIsSkinned(const TSkinCmdReceiver& receiver);
// A command to one receiver: sent when it has a window, else handed over by a direct call, the
// answer then read from the record (LParam for the questions above, else Result).
TSkinCmdLParam DeliverSkinCommand(const TSkinCmdReceiver& receiver, std::uint16_t code, TSkinCmdLParam lParam,
                                  std::uint16_t argument = 0);
