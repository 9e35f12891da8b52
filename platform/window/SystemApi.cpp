// Metrics and system parameters of the classic scheme, the platform version, clipboard and shell.
#include "platform/window/SystemApi.h"
#include "platform/window/WindowSystem.h"

static TPlatformVersion& Version() {
    // Process-wide: it stands for the operating system the program runs on.
    static TPlatformVersion version;
    return version;
}

static TSize ScreenSize() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->GetBackend().ScreenSize() : TSize{1280, 1024};
}

static TRect WorkArea() {
    WindowSystem* ws = WindowSystem::Current();
    if (ws) return ws->GetBackend().WorkArea();
    TSize s = ScreenSize();
    return {0, 0, s.cx, s.cy};
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return ScreenSize().cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return ScreenSize().cy;
    case SM_CXFULLSCREEN: return WorkArea().Width();
    case SM_CYFULLSCREEN: return WorkArea().Height() - 19;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE: return 12;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXMAXTRACK: return ScreenSize().cx + 12;
    case SM_CYMAXTRACK: return ScreenSize().cy + 12;
    case SM_CXMAXIMIZED: return WorkArea().Width() + 8;
    case SM_CYMAXIMIZED: return WorkArea().Height() + 8;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 24;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return 75;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS: return 1;
    default: return 0;
    }
}

static TLogFont NcFont(bool bold) {
    TLogFont lf;
    lf.FaceName = "Tahoma";
    lf.Height = -11;
    lf.Weight = bold ? FW_BOLD : FW_NORMAL;
    return lf;
}

BOOL SystemParametersInfo(UINT action, UINT, void* pvParam, UINT) {
    if (!pvParam) return FALSE;
    switch (action) {
    case SPI_GETWORKAREA: *static_cast<TRect*>(pvParam) = WorkArea(); return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* m = static_cast<NONCLIENTMETRICS*>(pvParam);
        m->iBorderWidth = 1;
        m->iScrollWidth = m->iScrollHeight = 16;
        m->iCaptionWidth = m->iCaptionHeight = 18;
        m->lfCaptionFont = NcFont(true);
        m->iSmCaptionWidth = 12;
        m->iSmCaptionHeight = 15;
        m->lfSmCaptionFont = NcFont(true);
        m->iMenuWidth = m->iMenuHeight = 18;
        m->lfMenuFont = m->lfStatusFont = m->lfMessageFont = NcFont(false);
        return TRUE;
    }
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: *static_cast<UINT*>(pvParam) = 4; return TRUE;
    case SPI_GETMOUSEHOVERTIME: *static_cast<UINT*>(pvParam) = 400; return TRUE;
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETDROPSHADOW: *static_cast<BOOL*>(pvParam) = TRUE; return TRUE;
    case SPI_GETFLATMENU:
    case SPI_GETMENUANIMATION:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETKEYBOARDCUES:
    case SPI_GETHIGHCONTRAST: *static_cast<BOOL*>(pvParam) = FALSE; return TRUE;
    default: return FALSE;
    }
}

TPlatformVersion GetPlatformVersion() {
    return Version();
}

void SetPlatformVersion(int major, int minor) {
    Version() = {major, minor};
}

BOOL SetClipboardText(const std::string& text) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return FALSE;
    ws->GetBackend().SetClipboardText(text);
    return TRUE;
}

std::string GetClipboardText() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->GetBackend().GetClipboardText() : std::string();
}

BOOL ShellOpen(const std::string& target, int showCommand) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && !target.empty() && ws->GetBackend().ShellOpen(target, showCommand) ? TRUE : FALSE;
}
