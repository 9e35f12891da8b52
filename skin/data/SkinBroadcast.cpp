// The two-pass broadcast of skin commands and the delivery to single receivers.
#include "skin/data/SkinBroadcast.h"

#include "skin/data/TacFormRegistry.h"

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/window/MessageApi.h"

namespace {

// A receiver without a window of its own answers questions in the record's second parameter.
LRESULT DirectCall(TControl* control, TMessage message) {
    TWndMethod proc = control->WindowProc;
    proc(message);
    return AnswersInRecord(SkinCmdCode(message.WParam)) ? message.LParam : message.Result;
}

bool BeingDestroyed(const TComponent* component) { return component->ComponentState().Contains(csDestroying); }

// A form gets the message by its window when it has one, else by a direct call.
void DeliverToForm(TCustomForm* form, const TMessage& message) {
    if (form->HandleAllocated()) {
        SendMessage(form->Handle(), message.Msg, message.WParam, message.LParam);
    } else {
        DirectCall(form, message);
    }
    BroadcastToChildren(form, message);
}

bool TakesPlainBroadcast(TComponent* component) {
    auto* form = dynamic_cast<TCustomForm*>(component);
    if (!form || form->FormStyle() == fsMDIChild) return false;
    TComponentState state = form->ComponentState();
    if (state.Contains(csDestroying) || state.Contains(csLoading)) return false;
    return !IsSkinnedControl(form);
}

} // namespace

TMessage MakeSkinCommand(std::uint16_t code, LPARAM lParam, std::uint16_t argument) {
    return {SM_SKINCMD, MakeSkinCmdWParam(code, argument), lParam, 0};
}

LRESULT SendSkinCommand(HWND window, std::uint16_t code, LPARAM lParam) {
    return SendMessage(window, SM_SKINCMD, MakeSkinCmdWParam(code), lParam);
}

LRESULT SkinCommandToControl(TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t argument) {
    if (!control) return 0;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (BeingDestroyed(windowed) || !windowed->HandleAllocated()) return 0;
        return SendMessage(windowed->Handle(), SM_SKINCMD, MakeSkinCmdWParam(code, argument), lParam);
    }
    return DirectCall(control, MakeSkinCommand(code, lParam, argument));
}

bool IsSkinnedControl(TControl* control) {
    if (!control) return false;
    if (DirectCall(control, MakeSkinCommand(scIsSkinned)) == 1) return true;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    return windowed && windowed->HandleAllocated() && AskWindow(windowed->Handle(), scIsSkinned);
}

bool AskWindow(HWND window, std::uint16_t code) { return SendSkinCommand(window, code, 0) == 1; }

void BroadcastToChildren(TWinControl* control, const TMessage& message) {
    // Receivers may add or remove children: the count is read afresh at every step.
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* child = control->Controls(i);
        if (BeingDestroyed(child)) return;
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!windowed || !windowed->HandleAllocated()) {
            DirectCall(child, message);
        } else if (IsSkinnedControl(windowed)) {
            SendMessage(windowed->Handle(), message.Msg, message.WParam, message.LParam);
        } else {
            BroadcastToChildren(windowed, message);
        }
    }
}

void Broadcast(const TMessage& message) {
    if (Application) {
        for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
            // A receiver may free forms: stop once the list has shrunk below the index.
            if (i >= Application->ComponentCount()) break;
            TComponent* component = Application->Components(i);
            if (TakesPlainBroadcast(component)) DeliverToForm(static_cast<TCustomForm*>(component), message);
        }
    }
    const std::vector<TCustomForm*>& forms = TacFormRegistry::Forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (!BeingDestroyed(forms[i])) DeliverToForm(forms[i], message);
    }
}
