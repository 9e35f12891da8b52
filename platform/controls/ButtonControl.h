// The "Button" window class: push and default push buttons, check boxes (two and three states,
// automatic or not), radio buttons with their WS_GROUP groups, group boxes and owner-drawn
// buttons. Pressing follows the mouse while its button is down and the space bar while it is
// held; a click happens on release inside. All painting happens in WM_PAINT / WM_PRINTCLIENT.
#pragma once

#include "platform/controls/ButtonCodes.h"
#include "platform/controls/ButtonPainter.h"
#include "platform/window/WinTypes.h"

class ButtonControl {
public:
    static constexpr const char* kClassName = "Button";
    static void Register();

    explicit ButtonControl(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    DWORD Style() const;
    DWORD Type() const;
    TButtonLook Look() const;
    void Redraw();

    LRESULT OnPaint();
    LRESULT OnPrintClient(HDC dc);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnMouseDown(UINT msg);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnMouseUp(LPARAM lParam);
    LRESULT OnCaptureChanged();
    LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM key);
    LRESULT OnLookChanged(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnHitTest(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DialogCode() const;
    LRESULT GetState() const;
    LRESULT SetCheck(WPARAM check);
    LRESULT SetPushed(bool pushed);
    LRESULT SetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnClickMessage();
    // The click: automatic buttons change their check first, then BN_CLICKED goes to the parent.
    void Click();
    void ToggleAuto();
    void UncheckGroupSiblings();

    HWND FHwnd;
    HFONT FFont = nullptr;
    UINT FCheck = BST_UNCHECKED;
    bool FPushed = false;
    bool FFocused = false;
    bool FMouseDown = false;  // pressed by the mouse: the capture is ours
    bool FSpaceDown = false;  // pressed by the space bar

};
