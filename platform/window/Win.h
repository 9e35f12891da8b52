// The whole window-system interface in one include.
#pragma once

#include "platform/window/InputApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/ScrollApi.h"
#include "platform/window/SystemApi.h"
#include "platform/window/WindowApi.h"
