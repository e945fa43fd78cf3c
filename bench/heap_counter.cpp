// Counting allocator of the benchmarks: every block carries its size in front of it. Kept in its
// own file so that the compiler never sees an allocation and its release together.
#include "bench/heap_counter.h"

#include <cstdlib>
#include <new>

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

namespace {
constexpr std::size_t kFront = alignof(std::max_align_t);
}

void* operator new(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kFront));
    if (block == nullptr) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes.fetch_add(size) + size;
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block + kFront;
}

void operator delete(void* pointer) noexcept {
    if (pointer == nullptr) return;
    auto* block = static_cast<unsigned char*>(pointer) - kFront;
    liveBytes.fetch_sub(*reinterpret_cast<std::size_t*>(block));
    std::free(block);
}

void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }
