// Small canvas routines of the skins: the dotted focus frame and text cut to a width.
#pragma once

#include "framework/TCanvas.h"

#include <string>
#include <string_view>

// Black dots every third pixel along the frame's edges, each with a white dot up and left of it;
// drawn pixel by pixel, as the frame is short.
void DrawSkinFocusRect(TCanvas& canvas, const TRect& rect);

// The text when it fits maxWidth in the canvas font; else the longest start of it (at least one
// character) followed by "..." that fits; empty when even that does not fit or maxWidth <= 0.
std::string FitTextWithEllipsis(TCanvas& canvas, std::string_view text, int maxWidth);
