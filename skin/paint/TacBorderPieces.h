// Where the nine pieces of a borders mask come from and where they go for one rectangle and state.
#pragma once

#include "skin/data/TsMaskData.h"

#include <array>

enum TacPieceKind {
    pkCorner,
    pkSideEdge,      // left or right: repeated downwards
    pkTopBottomEdge, // repeated across
    pkCentre,        // repeated both ways
};

struct TacBorderPiece {
    TRect Source;      // in the mask's bitmap
    TRect Destination; // in the painted bitmap
    TacPieceKind Kind = pkCorner;
};

// Frame widths come from the entry; a rectangle narrower (lower) than the left and right (top and
// bottom) widths together takes half the excess from each, the odd pixel from the right (bottom),
// and never lets the two exceed it. The state image is the state's column of the first band.
class TacBorderPieces {
public:
    TacBorderPieces(TsMaskData& mask, const TRect& rect, int state);

    // In the painting order: top-left, left, top, bottom-left, bottom, bottom-right, top-right,
    // right, centre.
    const std::array<TacBorderPiece, 9>& Pieces() const { return FPieces; }
    int WL = 0;
    int WT = 0;
    int WR = 0;
    int WB = 0;

private:
    static void Narrow(int& first, int& second, int length);

    std::array<TacBorderPiece, 9> FPieces;
};
