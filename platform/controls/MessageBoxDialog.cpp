// Message box layout and behaviour.
#include "platform/controls/MessageBoxDialog.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/DialogApi.h"
#include "platform/controls/MessageBoxIcon.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/controls/StaticCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kTextToButtons = 16;
constexpr UINT kTextFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_CALCRECT;

const Font* MessageFont() {
    NONCLIENTMETRICS m;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m, 0);
    return Font::Get(m.lfMessageFont);
}

int TextWidth(const char* text) {
    DeviceContext dc;
    dc.SelectFont(MessageFont());
    TRect r{0, 0, 0, 0};
    DrawText(&dc, text, &r, DT_SINGLELINE | DT_CALCRECT);
    return r.Width();
}
}

MessageBoxDialog::MessageBoxDialog(const std::string& text, const std::string& caption, UINT type)
    : FText(text), FCaption(caption.empty() ? "Error" : caption), FType(type), FButtons(Buttons(type)) {}

std::vector<int> MessageBoxDialog::Buttons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {IDOK};
    }
}

const char* MessageBoxDialog::ButtonText(int id) {
    switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    case IDTRYAGAIN: return "&Try Again";
    case IDCONTINUE: return "&Continue";
    default: return "";
    }
}

int MessageBoxDialog::EscapeResult() const {
    if (std::find(FButtons.begin(), FButtons.end(), IDCANCEL) != FButtons.end()) return IDCANCEL;
    return FButtons == std::vector<int>{IDOK} ? IDOK : 0;
}

int MessageBoxDialog::DefaultButton() const {
    std::size_t index = (FType & MB_DEFMASK) >> 8;
    return FButtons[index < FButtons.size() ? index : 0];
}

TSize MessageBoxDialog::MeasureText(int maxWidth) const {
    DeviceContext dc;
    dc.SelectFont(MessageFont());
    TRect r{0, 0, 0, 0};
    DrawText(&dc, FText, &r, kTextFormat);
    if (r.Width() <= maxWidth) return r.Size();
    r = {0, 0, maxWidth, 0};
    DrawText(&dc, FText, &r, kTextFormat | DT_WORDBREAK);
    return {maxWidth, r.Height()};
}

TDialogTemplate MessageBoxDialog::Template() const {
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    bool icon = (FType & MB_ICONMASK) != 0;
    int iconSpace = icon ? MessageBoxIcon::kSize + kIconGap : 0;
    TSize text = MeasureText(std::max(100, work.Width() * 2 / 3 - iconSpace - 2 * kMargin));
    int buttonWidth = kButtonWidth;
    for (int id : FButtons) buttonWidth = std::max(buttonWidth, TextWidth(ButtonText(id)) + 16);
    int n = static_cast<int>(FButtons.size());
    int row = n * buttonWidth + (n - 1) * kButtonGap;
    int body = std::max(text.cy, icon ? MessageBoxIcon::kSize : 0);
    int width = std::max(iconSpace + text.cx, row) + 2 * kMargin;
    int height = kMargin + body + kTextToButtons + kButtonHeight + kMargin;

    TDialogTemplate t;
    t.Caption = FCaption;
    t.Style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | (EscapeResult() ? WS_SYSMENU : 0);
    t.ExStyle = (FType & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0;
    t.Rect = {0, 0, width, height};
    if (icon) t.Items.push_back({"Static", "", kIconId, SS_OWNERDRAW, 0, Bounds(kMargin, kMargin, MessageBoxIcon::kSize, MessageBoxIcon::kSize)});
    int textTop = kMargin + (body - text.cy) / 2;
    t.Items.push_back({"Static", FText, kTextId, SS_LEFT | SS_NOPREFIX, 0, Bounds(kMargin + iconSpace, textTop, text.cx + 1, text.cy)});
    int x = (width - row) / 2, y = height - kMargin - kButtonHeight;
    for (int i = 0; i < n; ++i) {
        DWORD style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (FButtons[i] == DefaultButton() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        t.Items.push_back({"Button", ButtonText(FButtons[i]), FButtons[i], style, 0, Bounds(x, y, buttonWidth, kButtonHeight)});
        x += buttonWidth + kButtonGap;
    }
    return t;
}

INT_PTR MessageBoxDialog::Proc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SendMessage(dlg, DM_SETDEFID, static_cast<WPARAM>(DefaultButton()), 0);
        SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, DefaultButton())), TRUE);
        return FALSE;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (std::find(FButtons.begin(), FButtons.end(), id) != FButtons.end()) EndDialog(dlg, id);
        else if (id == IDCANCEL && EscapeResult()) EndDialog(dlg, EscapeResult());
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam != kIconId || !dis) return FALSE;
        MessageBoxIcon::Draw(dis->hDC, dis->rcItem, FType);
        return TRUE;
    }
    default: return FALSE;
    }
}
