#include "platform/input_file.h"

#include "platform/code_page.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremaro {
namespace {

constexpr std::size_t kLargestChunk = 1 << 20;
constexpr std::size_t kSmallestChunk = 4096;

// A file read in one go where it is small enough, without a megabyte buffer for a few lines.
std::size_t ChunkSizeFor(const struct stat& info) {
    const auto size = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) + 1;
    return std::clamp(size, kSmallestChunk, kLargestChunk);
}

}  // namespace

InputFile::InputFile(int descriptor, std::size_t chunkSize) : descriptor_(descriptor), chunkSize_(chunkSize) {}

InputFile::~InputFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::unique_ptr<InputFile> InputFile::OpenForInput(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<InputFile>(new InputFile(descriptor, ChunkSizeFor(info)));
}

bool InputFile::Fill() {
    if (endReached_ || failed_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + chunkSize_);
    ssize_t count;
    do {
        count = ::read(descriptor_, buffer_.data() + kept, chunkSize_);
    } while (count < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<std::size_t>(count > 0 ? count : 0));
    if (count < 0)
        failed_ = true;
    else if (count == 0)
        endReached_ = true;
    return count > 0;
}

bool InputFile::PeekByte(unsigned char& byte) {
    if (position_ >= buffer_.size() && !Fill())
        return false;
    byte = static_cast<unsigned char>(buffer_[position_]);
    return true;
}

bool InputFile::AtEndOfFile() {
    unsigned char byte;
    return !PeekByte(byte);
}

bool InputFile::ReadLine(std::u16string& line) {
    line.clear();
    for (;;) {
        if (position_ >= buffer_.size() && !Fill())
            return !failed_;
        const std::size_t start = position_;
        while (position_ < buffer_.size() && buffer_[position_] != '\r' && buffer_[position_] != '\n')
            ++position_;
        const std::size_t lineStart = line.size();
        line.resize(lineStart + (position_ - start));
        for (std::size_t i = start; i < position_; ++i)
            line[lineStart + i - start] = DecodeCodePageByte(static_cast<unsigned char>(buffer_[i]));
        if (position_ < buffer_.size())
            break;
    }
    const char terminator = buffer_[position_++];
    unsigned char next;
    if (terminator == '\r' && PeekByte(next) && next == '\n')
        ++position_;
    return !failed_;
}

}  // namespace tremaro
