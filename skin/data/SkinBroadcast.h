// Delivering skin commands to windows and controls, and broadcasting them to the application's
// forms and their controls.
#pragma once

#include "skin/data/SkinCommands.h"

#include "framework/Messages.h"

class TControl;
class TWinControl;

// The skin command message with a command code, its second parameter and its argument.
TMessage MakeSkinCommand(std::uint16_t code, LPARAM lParam = 0, std::uint16_t argument = 0);

// Sends the command (argument 0) to a window and returns its answer.
LRESULT SendSkinCommand(HWND window, std::uint16_t code, LPARAM lParam);
// A windowed control gets the command by its window (nothing, and 0, while it is being destroyed
// or has no window); a graphic control by a direct call, which may answer in the record.
LRESULT SkinCommandToControl(TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t argument = 0);
// The is-skinned question: a direct call first (a graphic control answers in the record), then,
// when the control has a window, a send whose result must be 1.
bool IsSkinnedControl(TControl* control);
// Sends the command with second parameter 0; true when the window answers exactly 1.
bool AskWindow(HWND window, std::uint16_t code);

// Hands the message to each child of control, in child order, stopping at a child being
// destroyed: a graphic child or one without a window yet by a direct call, a skinned windowed
// child by its window; the children of an unskinned windowed child are visited in its place.
void BroadcastToChildren(TWinControl* control, const TMessage& message);
// First to every form of the application (last first) that does not answer the is-skinned
// question, then to every form registered with a skinning component, in registration order;
// each form gets the message itself and then through BroadcastToChildren.
void Broadcast(const TMessage& message);
