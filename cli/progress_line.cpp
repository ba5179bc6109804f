#include "cli/progress_line.h"

namespace tremaro {

namespace {

// Back to the line's start, and everything to its end erased.
constexpr const char* kClearLine = "\r\x1b[K";

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ProgressLine::ProgressLine(std::ostream* to, std::size_t total, std::chrono::steady_clock::duration quietFor)
    : to_(to), total_(total), showFrom_(std::chrono::steady_clock::now() + quietFor) {}

void ProgressLine::At(std::size_t number, const std::string& path) {
    if (!to_ || std::chrono::steady_clock::now() < showFrom_)
        return;
    *to_ << kClearLine << '[' << number << '/' << total_ << "] " << FileNameOf(path) << std::flush;
    shown_ = true;
}

void ProgressLine::Wipe() {
    if (!shown_)
        return;
    *to_ << kClearLine << std::flush;
    shown_ = false;
}

}  // namespace tremaro
