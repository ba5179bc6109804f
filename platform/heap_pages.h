#pragma once

#include <cstddef>

namespace tremaro {

// Most of the time a large form costs goes into the first touch of fresh memory pages: each
// 4 KiB page costs a fault, and a form of 32766 lines touches a dozen megabytes or more. Made
// first thing in main, this keeps large blocks on the heap and has the heap's first
// reserveBytes come in huge pages, so the same memory comes in a few faults. Below the heap's
// first huge page's boundary it would still be 4 KiB pages, a fault each (a form's read
// buffer alone is 250 of them): a block that fills that part is held, never used, for as long
// as this object lives, so the blocks of the run start on the boundary.
class HeapInHugePages {
public:
    explicit HeapInHugePages(std::size_t reserveBytes);
    ~HeapInHugePages();
    HeapInHugePages(const HeapInHugePages&) = delete;
    HeapInHugePages& operator=(const HeapInHugePages&) = delete;

private:
    void* belowTheFirstHugePage_ = nullptr;
};

}  // namespace tremaro
