#pragma once
// Heap bytes held by the benchmark process, counted by its replacement of operator new.
#include <atomic>
#include <cstddef>

extern std::atomic<std::size_t> liveBytes;  // bytes allocated and not yet released
extern std::atomic<std::size_t> peakBytes;  // the most live bytes since last reset
