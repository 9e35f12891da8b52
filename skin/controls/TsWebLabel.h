// The skinned link label: a second font while the mouse is over it, and the shell's "open" of
// its address when the left button is pressed on it.
#pragma once

#include "skin/controls/TsCustomLabel.h"

#include <memory>

// How the opened program's window is shown: the platform's show commands 0 to 10.
enum TsWindowShowMode {
    soHide,
    soNormal,
    soShowMinimized,
    soMaximize,
    soShowNoActivate,
    soShow,
    soMinimize,
    soShowMinNoActive,
    soShowNA,
    soRestore,
    soDefault,
};

class TsWebLabel : public TsCustomLabel {
public:
    explicit TsWebLabel(TComponent* owner);
    ~TsWebLabel() override;
    std::string ClassName() const override { return "TsWebLabel"; }

    // Font() is the font being painted: the hover font while the mouse is over the label, else
    // the normal one. Set the normal font with SetNormalFont (or through Font() while the mouse
    // is elsewhere).
    void SetNormalFont(const TFont* font);
    TFont* HoverFont() const { return FHoverFont.get(); }
    void SetHoverFont(const TFont* font) { FHoverFont->Assign(font); }
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& url) { FURL = url; }
    TsWindowShowMode ShowMode() const { return FShowMode; }
    void SetShowMode(TsWindowShowMode mode) { FShowMode = mode; }
    bool MouseOver() const { return FMouseOver; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    // A link keeps its own colours under a skin.
    bool FollowsSkinColor() const override { return false; }

private:
    std::unique_ptr<TFont> FNormalFont;
    std::unique_ptr<TFont> FHoverFont;
    std::string FURL;
    TsWindowShowMode FShowMode = soDefault;
    bool FMouseOver = false;
};
