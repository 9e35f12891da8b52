// The counting replacements of operator new and delete.
#include "bench/skin/THeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> LiveBytes{0};
std::atomic<std::size_t> PeakBytes{0};

void* Take(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) throw std::bad_alloc();
    const std::size_t live = LiveBytes.fetch_add(malloc_usable_size(p)) + malloc_usable_size(p);
    std::size_t peak = PeakBytes.load();
    while (live > peak && !PeakBytes.compare_exchange_weak(peak, live)) {
    }
    return p;
}

void Give(void* p) {
    if (!p) return;
    LiveBytes.fetch_sub(malloc_usable_size(p));
    std::free(p);
}

} // namespace

std::size_t THeapCounter::Live() {
    return LiveBytes.load();
}
std::size_t THeapCounter::Peak() {
    return PeakBytes.load();
}
void THeapCounter::ResetPeak() {
    PeakBytes.store(LiveBytes.load());
}

void* operator new(std::size_t size) {
    return Take(size);
}
void* operator new[](std::size_t size) {
    return Take(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Take(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    Give(p);
}
void operator delete[](void* p) noexcept {
    Give(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Give(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Give(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Give(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Give(p);
}
