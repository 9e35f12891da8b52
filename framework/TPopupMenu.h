// Context menus: shown at a screen point, by code or by a right click on a control whose
// PopupMenu it is (AutoPopup).
#pragma once

#include "framework/TMenu.h"

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };
enum TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = TSet<TMenuAnimations>;

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    // OnPopup, then the menu opens with the corner Alignment names at the screen point and is
    // tracked until it closes; the chosen item's OnClick runs after that, from the message queue.
    // An empty menu does not open.
    virtual void Popup(int x, int y);
    // A right click on a control (WM_CONTEXTMENU) whose PopupMenu this is opens it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    TTrackButton TrackButton() const { return FTrackButton; }
    void SetTrackButton(TTrackButton value) { FTrackButton = value; }
    // maNone opens the menu without animation.
    TMenuAnimation MenuAnimation() const { return FMenuAnimation; }
    void SetMenuAnimation(TMenuAnimation value) { FMenuAnimation = value; }
    // The control the menu was last opened for (nullptr once it is freed), and where.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component);
    TPoint PopupPoint() const { return FPopupPoint; }

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup();
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TTrackButton FTrackButton = tbRightButton;
    TMenuAnimation FMenuAnimation;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint;
};
