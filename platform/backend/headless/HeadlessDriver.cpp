// The UI driver on a headless back end.
#include "platform/backend/headless/HeadlessDriver.h"

HeadlessDriver::HeadlessDriver(TMainFn main, TSize screen)
    : UiDriver(std::make_unique<HeadlessBackend>(screen), std::move(main)) {}
