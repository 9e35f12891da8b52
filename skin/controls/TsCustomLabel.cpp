// The skinned labels' common base.
#include "skin/controls/TsCustomLabel.h"

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) {
    SetTransparent(true);
}
