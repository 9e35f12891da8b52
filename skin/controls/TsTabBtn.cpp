// The plain look's close button on a tab.
#include "skin/controls/TsTabBtn.h"

#include "framework/TFont.h"

TsTabBtn::TsTabBtn(TComponent* owner, TTabSheet* page) : TsSpeedButton(owner), FPage(page) {
    SetFlat(true);
    SetWidth(Size);
    SetHeight(Size);
    SetCaption("X");
    Font()->SetStyle({fsBold});
    Font()->SetColor(clRed);
}
