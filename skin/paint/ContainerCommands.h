// The skin commands of a skinned container: its binding's handling and the passing on to its
// children, in the order that keeps every child in step with the skin.
#pragma once

#include "framework/Messages.h"

class TWinControl;
class TsCommonData;

// A new skin reaches the children first and then the binding; a removal reaches the binding
// first and then the children; a refresh the binding, then the children. Other commands end at
// the binding. The caller repaints afterwards where its control asks for it.
//
// A removal that comes from the container's own section leaving a skin that stays in force is
// not passed on: the children keep their own sections.
void HandleContainerSkinCommand(TWinControl& container, TsCommonData& data, TMessage& message);

// The route of a container that needs only the common handling: skin commands as above, other
// messages through the binding's route.
void RouteContainerMessage(TWinControl& container, TsCommonData& data, TMessage& message,
                           const TWndMethod& inherited);
