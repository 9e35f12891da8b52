// The skinned painting shared by the edit and the memo: the frame ring from the binding's image,
// the text area in the section's colours, and the skin-drawn look of a disabled control.
#pragma once

#include "framework/Messages.h"

class TCustomEdit;
class TacSkinnedControl;
class TsCommonData;

// The platform paints an enabled control's text area in the control's Color and font colour,
// which follow the section (HOTCOLOR and HOTFONTCOLOR while hot, when the control has hover
// colours); the frame is never the platform's. A disabled control is copied from the image
// whole, so its text is the skin's.
class TacEditSkin {
public:
    // platformFrameFirst: the platform paints its frame (and scroll bars) before the ring goes over it.
    TacEditSkin(TCustomEdit& control, TacSkinnedControl& skinned, bool hotColours, bool platformFrameFirst = false);

    // Before the control's handling; true when the message is finished here.
    bool Before(TMessage& message);
    // After the control's and the binding's handling.
    void After(const TMessage& message, int stateBefore);

    // The frame's width on each side: 2 with a single border, else 0.
    int FrameThickness() const;
    // The control's Color and font colour for the state it shows, unless custom.
    void AdjustColours();
    // The ring of the image over the window's frame.
    void PaintFrame();
    // The image must be rebuilt; the client area and the frame repaint.
    void RepaintAll();

private:
    bool Updating() const;
    void SkinChanged(const TMessage& message);
    bool Skinned() const;
    void PaintClient(TMessage& message);
    void CopyWholeImage(HDC dc);
    void Print(HDC dc, LPARAM flags);

    TCustomEdit& FControl;
    TacSkinnedControl& FSkinned;
    TsCommonData& FData;
    bool FHotColours;
    bool FPlatformFrameFirst;
};
