// The questions a skinned control asks its parent while it paints, and the process-wide record
// the cache-info answer comes back in.
#pragma once

#include "skin/paint/TParentImageInfo.h"

class TControl;
class TWinControl;

// Process-wide because the answer to the cache-info request travels back from the parent's
// message handler, which may sit behind a window message, to the asker; the asker reads it at
// once after the request. One thread paints.
extern TParentImageInfo CacheInfoAnswer;

// The parent's answer to the cache-info request sent to its window; not Ready when the parent is
// being destroyed, has no window or does not answer.
TParentImageInfo AskParentCacheInfo(const TControl& control);
// The container's answer to the cache-info request handed to its message handler directly.
TParentImageInfo CacheInfoOf(TControl& container);
// ParentFillColor := the window's answer to the background-colour request, else its own Color;
// as RGB either way.
void GetParentBackgroundColor(TWinControl& window);
// The control's parent answers the uniform-background question with true: its background is
// not one plain colour. False without a parent.
bool ParentBackgroundIsNotUniform(const TControl& control);
// A windowed control has its window; none is being created, read, loaded or destroyed; and it
// has a parent.
bool IsReadyToPaint(const TControl& control);
