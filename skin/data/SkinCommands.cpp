// Delivering skin commands to receivers with or without a window.
#include "skin/data/SkinCommands.h"

bool AnswersInRecord(std::uint16_t code) {
    return code == scIsSkinned || code == scMayIPaint || code == scParentImage || code == scUniformBackground;
}

bool AskIsSkinned(const TSkinCmdReceiver& receiver) {
    if (receiver.DirectCall) {
        TSkinCmdRecord record = MakeSkinCmdRecord(scIsSkinned);
        receiver.DirectCall(record);
        if (record.LParam == 1) return true;
    }
    return receiver.Send && receiver.Send(MakeSkinCmdWParam(scIsSkinned), 0) == 1;
}

TSkinCmdLParam DeliverSkinCommand(const TSkinCmdReceiver& receiver, std::uint16_t code, TSkinCmdLParam lParam,
                                  std::uint16_t argument) {
    if (receiver.Send) return receiver.Send(MakeSkinCmdWParam(code, argument), lParam);
    if (!receiver.DirectCall) return 0;
    TSkinCmdRecord record = MakeSkinCmdRecord(code, lParam, argument);
    receiver.DirectCall(record);
    return AnswersInRecord(code) ? record.LParam : record.Result;
}
