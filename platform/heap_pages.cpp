#include "platform/heap_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tremaro {

namespace {

constexpr std::size_t kHugePage = 2u << 20;
constexpr std::size_t kBlockHeader = sizeof(std::size_t);  // what the heap keeps before each block
// Larger than the room the heap has left at the start of main, so that asking for it grows
// the heap.
constexpr std::size_t kGrowingBlock = 1u << 20;
// Under a limit on the process's memory (ulimit -d or -v) the reserve may be refused: the
// heap then grows by half as much, down to this.
constexpr std::size_t kSmallestReserve = 16u << 20;
constexpr int kUsualTopPad = 128 * 1024;  // glibc's own

std::uintptr_t HugePageAtOrAfter(std::uintptr_t address) {
    return (address + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

// The heap grows in one step by reserveBytes (one system call, where growing it block by
// block would take one for each block and a fault for each block's header), and the part of
// it that lies in whole huge pages is marked for huge pages.
HeapInHugePages::HeapInHugePages(std::size_t reserveBytes) {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // The marked part is the heap's top, which a trim would hand back to the system, marking
    // and all.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::max(2 * reserveBytes, std::size_t{128} << 20)));
    void* growing = nullptr;
    for (std::size_t reserve = std::min(reserveBytes, std::size_t{1} << 30); !growing && reserve >= kSmallestReserve;
         reserve /= 2) {
        mallopt(M_TOP_PAD, static_cast<int>(reserve));
        growing = std::malloc(kGrowingBlock);
    }
    // Left in place, the pad would be asked for at every later growth, and refused at each
    // under a limit: every large block would fail.
    mallopt(M_TOP_PAD, kUsualTopPad);
    if (!growing)
        return;
    const auto first = reinterpret_cast<std::uintptr_t>(growing);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Growing, the heap wrote its top's header just past the growing block, before anything was
    // marked: the huge page around it would come in small pages. The huge pages begin at the
    // boundary after it.
    const std::uintptr_t start = HugePageAtOrAfter(first + kGrowingBlock + 2 * kBlockHeader);
    const std::uintptr_t last = end & ~(kHugePage - 1);
    if (end != static_cast<std::uintptr_t>(-1) && last > start)
        madvise(reinterpret_cast<void*>(start), last - start, MADV_HUGEPAGE);
    // Back into the heap's top, and a block from there that ends at that boundary (less the
    // size the heap keeps before each block), held, so that the next block begins on it.
    std::free(growing);
    belowTheFirstHugePage_ = std::malloc(start - first - kBlockHeader);
}

HeapInHugePages::~HeapInHugePages() {
    std::free(belowTheFirstHugePage_);
}

}  // namespace tremaro
