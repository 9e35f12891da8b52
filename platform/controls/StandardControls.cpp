// Registration of the standard control classes.
#include "platform/controls/StandardControls.h"
#include "platform/controls/ButtonControl.h"
#include "platform/controls/DialogWindow.h"
#include "platform/controls/EditControl.h"
#include "platform/controls/MenuModule.h"
#include "platform/controls/ScrollBarControl.h"
#include "platform/controls/SelectionControls.h"
#include "platform/controls/StaticControl.h"

void RegisterStandardControls() {
    ButtonControl::Register();
    StaticControl::Register();
    EditControl::Register();
    ScrollBarControl::Register();
    RegisterMenuControls();
    RegisterSelectionControls();
    DialogWindow::Register();
}
