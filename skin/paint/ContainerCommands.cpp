// Passing the manager's commands through a skinned container.
#include "skin/paint/ContainerCommands.h"

#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TWinControl.h"

namespace {

// A manager still showing its skin has not removed it: the command came from one binding.
bool SkinStaysInForce(const TMessage& message) {
    const auto* manager = reinterpret_cast<const TsSkinManager*>(message.LParam);
    return manager && manager->Model().SkinData.Active && !TsSkinManager::RemovingSkin();
}

} // namespace

void HandleContainerSkinCommand(TWinControl& container, TsCommonData& data, TMessage& message) {
    switch (SkinCmdCode(message.WParam)) {
    case scNewSkin:
        BroadcastToChildren(&container, message);
        data.HandleSkinMessage(message);
        break;
    case scRemoveSkin:
        data.HandleSkinMessage(message);
        if (!SkinStaysInForce(message)) BroadcastToChildren(&container, message);
        break;
    case scSetSkin:
        data.HandleSkinMessage(message);
        BroadcastToChildren(&container, message);
        break;
    default: data.HandleSkinMessage(message); break;
    }
}

void RouteContainerMessage(TWinControl& container, TsCommonData& data, TMessage& message,
                           const TWndMethod& inherited) {
    if (message.Msg == SM_SKINCMD) return HandleContainerSkinCommand(container, data, message);
    data.RouteMessage(message, inherited);
}
