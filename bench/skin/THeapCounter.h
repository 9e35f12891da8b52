// Counts the bytes the process holds through operator new, for memory budgets in benchmarks.
#pragma once

#include <cstddef>

// Linking THeapCounter.cpp replaces the global operator new and delete of the whole program, so
// it goes into a benchmark binary of its own. Memory that C libraries take with malloc (zlib's
// inflater state) is not counted; the peak resident size covers that.
class THeapCounter {
public:
    static std::size_t Live();
    static std::size_t Peak();
    // Starts a new peak from what is live now.
    static void ResetPeak();
};
