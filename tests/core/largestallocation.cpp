// Replaces the global operator new of a test program so a test can see the
// largest single allocation a call makes, and how much it asks for in all.
// A file of its own, so no call site sees (and inlines) these definitions.

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

std::atomic<std::size_t> gLargestAllocation{0};
std::atomic<std::size_t> gAllocatedBytes{0};

void* operator new(std::size_t size) {
    gAllocatedBytes += size;
    std::size_t seen = gLargestAllocation.load();
    while (size > seen && !gLargestAllocation.compare_exchange_weak(seen, size)) {
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
