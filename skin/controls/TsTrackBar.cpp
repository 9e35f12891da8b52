// The stored skin properties of TsTrackBar.
#include "skin/controls/TsTrackBar.h"

TsTrackBar::TsTrackBar(TComponent* owner) : TTrackBar(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    SetThumbLength(23);
}
