// Packing of skin commands and their delivery to receivers with and without a window.
#include "skin/data/SkinCommands.h"

#include <gtest/gtest.h>

TEST(SkinCommands, CodeInTheHighWordArgumentInTheLow) {
    static_assert(SM_SKINCMD == 41216);
    TSkinCmdWParam w = MakeSkinCmdWParam(scSuspendPainting, 1);
    EXPECT_EQ(w, 0x00080001u);
    EXPECT_EQ(SkinCmdCode(w), scSuspendPainting);
    EXPECT_EQ(SkinCmdArgument(w), 1);
    EXPECT_EQ(SkinCmdCode(MakeSkinCmdWParam(scClientOffset, 0xFFFF)), 61);
    TSkinCmdRecord record = MakeSkinCmdRecord(scNewSkin, 1234);
    EXPECT_EQ(record.Msg, 0xA100u);
    EXPECT_EQ(record.Code(), 1);
    EXPECT_EQ(record.LParam, 1234);
}

TEST(SkinCommands, IsSkinnedAskedByRecordThenBySend) {
    TSkinCmdReceiver graphic;
    graphic.DirectCall = [](TSkinCmdRecord& m) { if (m.Code() == scIsSkinned) m.LParam = 1; };
    EXPECT_TRUE(AskIsSkinned(graphic));

    int sends = 0;
    TSkinCmdReceiver windowed;
    windowed.DirectCall = [](TSkinCmdRecord&) {};
    windowed.Send = [&sends](TSkinCmdWParam w, TSkinCmdLParam) -> TSkinCmdLParam {
        ++sends;
        return SkinCmdCode(w) == scIsSkinned ? 1 : 0;
    };
    EXPECT_TRUE(AskIsSkinned(windowed));
    EXPECT_EQ(sends, 1);

    TSkinCmdReceiver plain;
    plain.DirectCall = [](TSkinCmdRecord&) {};
    plain.Send = [](TSkinCmdWParam, TSkinCmdLParam) -> TSkinCmdLParam { return 0; };
    EXPECT_FALSE(AskIsSkinned(plain));
    EXPECT_FALSE(AskIsSkinned(TSkinCmdReceiver{}));
}

TEST(SkinCommands, DeliveryReadsTheAnswerWhereTheReceiverPutIt) {
    TSkinCmdReceiver graphic;
    graphic.DirectCall = [](TSkinCmdRecord& m) {
        if (m.Code() == scMayIPaint) m.LParam = 5;
        if (m.Code() == scGetApplication) m.Result = 77;
    };
    EXPECT_EQ(DeliverSkinCommand(graphic, scMayIPaint, 0), 5);
    EXPECT_EQ(DeliverSkinCommand(graphic, scGetApplication, 0), 77);
    // A manager reference passed in the record is not mistaken for an answer.
    EXPECT_EQ(DeliverSkinCommand(graphic, scNewSkin, 0x1000), 0);

    TSkinCmdLParam seen = 0;
    TSkinCmdReceiver windowed;
    windowed.DirectCall = [](TSkinCmdRecord& m) { m.LParam = 99; };
    windowed.Send = [&seen](TSkinCmdWParam w, TSkinCmdLParam l) -> TSkinCmdLParam {
        seen = l;
        return SkinCmdArgument(w) + 10;
    };
    EXPECT_EQ(DeliverSkinCommand(windowed, scSuspendPainting, 0x2000, 1), 11);
    EXPECT_EQ(seen, 0x2000);
}
