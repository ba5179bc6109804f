#include "platform/heap_pages.h"

#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdlib>

namespace tremaro {

namespace {

constexpr std::size_t kHugePage = 2u << 20;
constexpr std::size_t kBlockHeader = sizeof(std::size_t);  // what the heap keeps before each block
constexpr std::size_t kPiece = 16u << 20;                  // below the largest size kept on the heap

// The heap grows by pieces of kPiece bytes up to reserveBytes, and the part of them that
// lies in whole huge pages is marked for huge pages; the pieces go back to the heap's top.
// Returns where the marked part begins (the heap's top when this began), or 0.
std::uintptr_t MarkHeapForHugePages(std::size_t reserveBytes) {
    std::uintptr_t first = 0;
    std::uintptr_t end = 0;
    void* pieces[16] = {};
    std::size_t count = 0;
    for (std::size_t reserved = 0; reserved < reserveBytes && count < std::size(pieces); reserved += kPiece) {
        void* piece = std::malloc(kPiece);
        if (!piece)
            break;
        const auto address = reinterpret_cast<std::uintptr_t>(piece);
        if (count > 0 && address != end + 2 * kBlockHeader) {  // not next to the one before
            std::free(piece);
            break;
        }
        pieces[count++] = piece;
        first = count == 1 ? address : first;
        end = address + kPiece;
    }
    const auto start = (first + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = end & ~(kHugePage - 1);
    if (count > 0 && last > start)
        madvise(reinterpret_cast<void*>(start), last - start, MADV_HUGEPAGE);
    while (count > 0)
        std::free(pieces[--count]);  // back to the heap's top, where the next blocks come from
    return first;
}

}  // namespace

HeapInHugePages::HeapInHugePages(std::size_t reserveBytes) {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // The marked pieces go back to the heap's top, which a trim would hand back to the system,
    // marking and all.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::max(2 * reserveBytes, std::size_t{128} << 20)));
    const std::uintptr_t first = MarkHeapForHugePages(reserveBytes);
    if (first == 0)
        return;
    // The heap's next block begins where the first piece began: one that ends at the boundary
    // (less the size the heap keeps before each block) leaves the next on it.
    const auto start = (first + kHugePage - 1) & ~(kHugePage - 1);
    if (start - first > kBlockHeader)
        belowTheFirstHugePage_ = std::malloc(start - first - kBlockHeader);
}

HeapInHugePages::~HeapInHugePages() {
    std::free(belowTheFirstHugePage_);
}

}  // namespace tremaro
