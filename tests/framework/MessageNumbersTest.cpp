// The framework messages keep the numbers skinning code matches them by.
#include "framework/Messages.h"

#include <gtest/gtest.h>

TEST(MessageNumbersTest, ControlMessagesFollowTheClassicOrderFromTheBase) {
    EXPECT_EQ(CM_BASE, 0xB000u);
    EXPECT_EQ(CM_ACTIVATE, 0xB000u);
    EXPECT_EQ(CM_DIALOGKEY, 0xB005u);
    EXPECT_EQ(CM_VISIBLECHANGED, 0xB00Bu);
    EXPECT_EQ(CM_ENABLEDCHANGED, 0xB00Cu);
    EXPECT_EQ(CM_TEXTCHANGED, 0xB012u);
    EXPECT_EQ(CM_MOUSEENTER, 0xB013u);
    EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
    EXPECT_EQ(CM_SHOWINGCHANGED, 0xB019u);
    EXPECT_EQ(CM_RELEASE, 0xB021u);
    EXPECT_EQ(CM_CONTROLLISTCHANGE, 0xB02Cu);
    EXPECT_EQ(CM_HINTSHOW, 0xB030u);
    EXPECT_EQ(CM_RECREATEWND, 0xB033u);
    EXPECT_EQ(CM_BORDERCHANGED, 0xB03Bu);
}

TEST(MessageNumbersTest, ReflectedNotificationsAreTheBasePlusTheWindowMessage) {
    EXPECT_EQ(CN_BASE, 0xBC00u);
    EXPECT_EQ(CN_COMMAND, 0xBD11u);
    EXPECT_EQ(CN_NOTIFY, 0xBC4Eu);
    EXPECT_EQ(CN_CTLCOLORSTATIC, 0xBD38u);
    EXPECT_EQ(CN_KEYDOWN, 0xBD00u);
}
