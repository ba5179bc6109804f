#include "cli/command_texts.h"
#include "core/console_port.h"
#include "cli/scale_command.h"
#include "cli/standard_options.h"

#include <iostream>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>

namespace {

// A block of the heap that is never used, given back when the run ends.
struct UnusedBlock {
    void* block = nullptr;
    ~UnusedBlock() { std::free(block); }
};

// Most of a run's time goes into the first touch of fresh memory pages: a form of 32766
// lines touches a dozen megabytes, and each page costs a fault. Large blocks therefore stay
// on the heap, and the heap asks for huge pages, so the same memory comes in a few faults.
// Below the heap's first huge page's boundary it would still be 4 KiB pages, a fault each
// (the read buffer alone is 250 of them): a block that fills that part is taken and never
// used, so the blocks of the run start on the boundary.
UnusedBlock PrepareTheHeap() {
    constexpr std::size_t kHugePage = 2u << 20;
    constexpr std::size_t kHeapReserve = 30u << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    void* reserve = std::malloc(kHeapReserve);
    if (!reserve)
        return {};
    const auto address = reinterpret_cast<std::uintptr_t>(reserve);
    const auto start = (address + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (address + kHeapReserve) & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(reserve);  // back to the heap's top, where the next blocks come from
    // The heap's next block begins where the freed one began: one that ends at the boundary
    // (less the size the heap keeps before each block) leaves the next on it.
    constexpr std::size_t kBlockHeader = sizeof(std::size_t);
    return start - address > kBlockHeader ? UnusedBlock{std::malloc(start - address - kBlockHeader)} : UnusedBlock{};
}

// A full disk refuses the bytes when they leave the buffer; a network file system may do so
// only when the file is closed.
bool StandardOutputClosed() {
    std::cout.flush();
    return std::cout && ::close(STDOUT_FILENO) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const UnusedBlock belowTheFirstHugePage = PrepareTheHeap();
    std::ios::sync_with_stdio(false);
    // A reader that has gone (a closed pipe) is reported as output that cannot be written,
    // not by dying of SIGPIPE in the middle of a run.
    std::signal(SIGPIPE, SIG_IGN);
    const int status = tremaro::RunScaleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    // A run that failed has said why already; one that did not must not end as a success.
    if (!StandardOutputClosed() && status == tremaro::kExitSuccess) {
        tremaro::PrintMessage(std::cerr, tremaro::command_texts::kOutputNotWritten);
        return tremaro::kExitFileFailed;
    }
    return status;
}
