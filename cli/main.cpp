#include "cli/command_texts.h"
#include "core/console_port.h"
#include "cli/scale_command.h"
#include "cli/standard_options.h"
#include "platform/heap_pages.h"
#include "platform/translation.h"

#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <optional>
#include <string_view>

namespace {

// A full disk refuses the bytes when they leave the buffer; a network file system may do so
// only when the file is closed.
bool StandardOutputClosed() {
    std::cout.flush();
    return std::cout && ::close(STDOUT_FILENO) == 0;
}

// A form printed into a pipe goes in at once, not 64 KiB at a time with a wait for the
// reader between each; where the system allows no larger pipe, it keeps its size, and one made
// larger still by whoever made it is not made smaller.
void WidenStandardOutputPipe() {
    constexpr int kWidePipe = 1 << 20;
    struct stat info {};
    if (::fstat(STDOUT_FILENO, &info) == 0 && S_ISFIFO(info.st_mode) &&
        ::fcntl(STDOUT_FILENO, F_GETPIPE_SZ) < kWidePipe)
        ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kWidePipe);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before anything is said, --help and the refusals included. --version says no word of
    // any language, and scripts ask it often enough for its start to count.
    if (argc != 2 || std::string_view(argv[1]) != "--version")
        tremaro::UseLanguageOfEnvironment();
    // The huge pages pay only when forms are read: --version or --help alone would spend more
    // on the first huge page's clearing than on its whole answer. A batch holds up to 200 forms
    // at once, a hundred megabytes of real ones: the heap is marked that far (address space
    // only; no page is taken before it is touched), else each 4 KiB page past the mark costs a
    // fault of its own.
    const bool readsForms = argc != 2 || argv[1][0] != '-';
    std::optional<tremaro::HeapInHugePages> heap;
    if (readsForms)
        heap.emplace(256u << 20);
    std::ios::sync_with_stdio(false);
    // A reader that has gone (a closed pipe) is reported as output that cannot be written,
    // not by dying of SIGPIPE in the middle of a run.
    std::signal(SIGPIPE, SIG_IGN);
    if (readsForms)
        WidenStandardOutputPipe();
    const int status = tremaro::RunScaleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                                                ::isatty(STDERR_FILENO) ? &std::cerr : nullptr);
    // A run that failed has said why already; one that did not must not end as a success.
    if (!StandardOutputClosed() && status == tremaro::kExitSuccess) {
        tremaro::PrintMessage(std::cerr, tremaro::command_texts::OutputNotWritten());
        return tremaro::kExitFileFailed;
    }
    return status;
}
