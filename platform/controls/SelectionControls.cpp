// Registration of the selection controls.
#include "platform/controls/SelectionControls.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

void RegisterSelectionControls() {
    // RegisterClass refuses a name that is already there, which makes this idempotent.
    TrackBar::Register();
    TabControl::Register();
    ListBox::Register();
    ComboBox::Register();
    UpDown::Register();
}
