// The message box icons drawn from shapes in the classic look: the red error disc with a white
// cross, the yellow warning triangle, and the information and question balloons.
#pragma once

#include "platform/window/WinTypes.h"

class MessageBoxIcon {
public:
    static constexpr int kSize = 32;
    // icon: one of MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONASTERISK, MB_ICONQUESTION.
    static void Draw(HDC dc, const TRect& rect, UINT icon);

private:
    static void Error(HDC dc, TPoint o);
    static void Warning(HDC dc, TPoint o);
    static void Balloon(HDC dc, TPoint o, const char* mark);
};
