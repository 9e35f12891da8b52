// The process-wide record in which a window answers the cache-info request: what a child asking
// while it paints learns about the image behind it.
#pragma once

#include "skin/paint/TParentImageInfo.h"

// Filled by the window asked (it stays not Ready when nobody answers); the asking child reads it
// right after the synchronous request returns. One thread paints.
extern TParentImageInfo CacheInfoAnswer;
