#include "cli/scale_command.h"

#include <iostream>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Most of a run's time goes into the first touch of fresh memory pages: a form of 32766
// lines touches a dozen megabytes, and each page costs a fault. Large blocks therefore stay
// on the heap, and the heap asks for huge pages, so the same memory comes in a few faults.
void PrepareTheHeap() {
    constexpr std::size_t kHugePage = 2u << 20;
    constexpr std::size_t kHeapReserve = 30u << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    void* reserve = std::malloc(kHeapReserve);
    if (!reserve)
        return;
    const auto address = reinterpret_cast<std::uintptr_t>(reserve);
    const auto start = (address + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (address + kHeapReserve) & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(reserve);  // back to the heap's top, where the next blocks come from
}

}  // namespace

int main(int argc, char* argv[]) {
    PrepareTheHeap();
    std::ios::sync_with_stdio(false);
    return tremaro::RunScaleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
