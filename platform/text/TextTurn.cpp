// Quarter turns of text frames and glyph coverage.
#include "platform/text/TextTurn.h"

int TextTurn::QuarterOf(int escapement) {
    const int tenths = ((escapement % 3600) + 3600) % 3600;
    return ((tenths + 450) / 900) % 4;
}

TextTurn TextTurn::Filling(int quarter, const TRect& d) {
    switch (((quarter % 4) + 4) % 4) {
    case 1: return {1, {d.Left, d.Bottom}};
    case 2: return {2, {d.Right, d.Bottom}};
    case 3: return {3, {d.Right, d.Top}};
    default: return {0, {d.Left, d.Top}};
    }
}

TSize TextTurn::FrameSize(const TRect& d) const {
    return FQuarter % 2 ? TSize{d.Height(), d.Width()} : TSize{d.Width(), d.Height()};
}

// A frame pixel (u, v) covers the device pixel (x + u, y + v) upright, (x + v, y - u - 1) a
// quarter turned, (x - u - 1, y - v - 1) upside down and (x - v - 1, y + u) three quarters.
TRect TextTurn::ToDevice(const TRect& f) const {
    const int x = FOrigin.X, y = FOrigin.Y;
    switch (FQuarter) {
    case 1: return {x + f.Top, y - f.Right, x + f.Bottom, y - f.Left};
    case 2: return {x - f.Right, y - f.Bottom, x - f.Left, y - f.Top};
    case 3: return {x - f.Bottom, y + f.Left, x - f.Top, y + f.Right};
    default: return f.Offset(x, y);
    }
}

std::vector<std::uint8_t> TextTurn::TurnCoverage(const std::uint8_t* coverage, int width, int height) const {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height);
    const int outWidth = FQuarter % 2 ? height : width;
    const int outHeight = FQuarter % 2 ? width : height;
    std::size_t at = 0;
    for (int dy = 0; dy < outHeight; ++dy) {
        for (int dx = 0; dx < outWidth; ++dx) {
            int u = dx, v = dy;
            if (FQuarter == 1) u = width - 1 - dy, v = dx;
            else if (FQuarter == 2) u = width - 1 - dx, v = height - 1 - dy;
            else if (FQuarter == 3) u = dy, v = height - 1 - dx;
            out[at++] = coverage[static_cast<std::size_t>(v) * width + u];
        }
    }
    return out;
}
