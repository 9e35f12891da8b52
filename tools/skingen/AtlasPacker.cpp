// Shelf packing of the master bitmap.
#include "tools/skingen/AtlasPacker.h"

#include <algorithm>
#include <numeric>

std::vector<TRect> AtlasPacker::Place(const std::vector<TSize>& sizes) {
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return sizes[a].cy > sizes[b].cy; });
    for (const TSize& size : sizes) FWidth = std::max(FWidth, size.cx);
    std::vector<TRect> places(sizes.size());
    int x = 0, shelfTop = 0, shelfHeight = 0;
    for (std::size_t i : order) {
        const TSize& size = sizes[i];
        if (x + size.cx > FWidth) {
            shelfTop += shelfHeight;
            x = 0;
            shelfHeight = 0;
        }
        places[i] = {x, shelfTop, x + size.cx, shelfTop + size.cy};
        x += size.cx;
        shelfHeight = std::max(shelfHeight, size.cy);
    }
    FHeight = shelfTop + shelfHeight;
    return places;
}
