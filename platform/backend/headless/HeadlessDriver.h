// A UI driver over a headless back end of its own: how tests, tools and the automation mode run a
// program without a display.
#pragma once

#include "platform/automation/UiDriver.h"
#include "platform/backend/headless/HeadlessBackend.h"

class HeadlessDriver : public UiDriver {
public:
    explicit HeadlessDriver(TMainFn main, TSize screen = {1280, 1024});

    // The back end this driver made: its virtual clock, clipboard and record of shell opens.
    HeadlessBackend& Backend() { return static_cast<HeadlessBackend&>(UiDriver::Backend()); }
};
