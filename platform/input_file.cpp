#include "platform/input_file.h"

#include "platform/code_page.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremaro {
namespace {

constexpr std::size_t kChunkSize = 1 << 20;
// Up to this size a mapped file is brought in at once rather than page by page.
constexpr std::size_t kPopulateLimit = 64u << 20;

// A bit for each CR or LF among the (up to) sixteen bytes from block on.
constexpr std::size_t kBreakBlock = 16;

unsigned LineBreaksIn(const char* block, const char* end) {
#ifdef __SSE2__
    if (block + kBreakBlock <= end) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
        return static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')))));
    }
#endif
    unsigned breaks = 0;
    for (std::size_t i = 0; i < kBreakBlock && block + i < end; ++i)
        if (block[i] == '\r' || block[i] == '\n')
            breaks |= 1u << i;
    return breaks;
}

const char* FindLineEnd(const char* from, const char* end) {
    for (; from < end; from += kBreakBlock)
        if (const unsigned breaks = LineBreaksIn(from, end))
            return from + __builtin_ctz(breaks);
    return end;
}

}  // namespace

InputFile::InputFile(int descriptor, std::size_t size) : descriptor_(descriptor), sizeWhenOpened_(size) {}

InputFile::~InputFile() {
    if (mapping_)
        ::munmap(mapping_, mappingSize_);
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
    const bool plainFile = S_ISREG(info.st_mode) && info.st_size > 0;
    std::unique_ptr<InputFile> file(new InputFile(descriptor, plainFile ? static_cast<std::size_t>(info.st_size) : 0));
    if (plainFile)
        file->MapWholeFile();
    return file;
}

bool InputFile::MapWholeFile() {
    const int flags = MAP_PRIVATE | (sizeWhenOpened_ <= kPopulateLimit ? MAP_POPULATE : 0);
    void* mapping = ::mmap(nullptr, sizeWhenOpened_, PROT_READ, flags, descriptor_, 0);
    if (mapping == MAP_FAILED)
        return false;  // read in chunks instead
    mapping_ = mapping;
    mappingSize_ = sizeWhenOpened_;
    data_ = static_cast<const char*>(mapping);
    size_ = sizeWhenOpened_;
    // The mapping is all there is; a file that grew since is read as it was opened.
    endReached_ = true;
    return true;
}

bool InputFile::Fill() {
    if (endReached_ || failed_)
        return false;
    buffer_.erase(0, position_);
    position_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kChunkSize);
    ssize_t count;
    do {
        count = ::read(descriptor_, buffer_.data() + kept, kChunkSize);
    } while (count < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<std::size_t>(count > 0 ? count : 0));
    data_ = buffer_.data();
    size_ = buffer_.size();
    if (count < 0)
        failed_ = true;
    else if (count == 0)
        endReached_ = true;
    return count > 0;
}

bool InputFile::ReadToEnd() {
    if (mapping_)
        return true;
    buffer_.erase(0, position_);
    position_ = 0;
    while (Fill())
        position_ = 0;
    return !failed_;
}

InputFile::BulkRead InputFile::ReadAllLines(std::u16string& text, std::vector<LineSpan>& lines,
                                            std::size_t maxLines) {
    if (!ReadToEnd())
        return BulkRead::Failed;
    const char* const base = data_ + position_;
    const char* const end = data_ + size_;
    const std::size_t first = text.size();
    if (first + static_cast<std::size_t>(end - base) > UINT32_MAX)
        return BulkRead::Failed;
    // Form lines are rarely shorter than twenty bytes; a guess saves most regrowing.
    lines.reserve(lines.size() + std::min(maxLines, static_cast<std::size_t>(end - base) / 20 + 1));
    const char* lineStart = base;
    for (const char* block = base; block < end; block += kBreakBlock) {
        for (unsigned breaks = LineBreaksIn(block, end); breaks != 0; breaks &= breaks - 1) {
            const char* at = block + __builtin_ctz(breaks);
            if (at < lineStart)
                continue;  // the LF of a CR LF, ended with its CR
            if (lines.size() == maxLines)
                return BulkRead::TooManyLines;
            lines.push_back({static_cast<std::uint32_t>(first + static_cast<std::size_t>(lineStart - base)),
                             static_cast<std::uint32_t>(at - lineStart)});
            lineStart = at + (*at == '\r' && at + 1 < end && at[1] == '\n' ? 2 : 1);
        }
    }
    if (lineStart < end) {
        if (lines.size() == maxLines)
            return BulkRead::TooManyLines;
        lines.push_back({static_cast<std::uint32_t>(first + static_cast<std::size_t>(lineStart - base)),
                         static_cast<std::uint32_t>(end - lineStart)});
    }
    // The characters keep the bytes' places, so the spans found in the bytes hold for them.
    AppendDecodedCodePage(std::string_view(base, static_cast<std::size_t>(end - base)), text);
    position_ = size_;
    return BulkRead::Done;
}

bool InputFile::PeekByte(unsigned char& byte) {
    if (position_ >= size_ && !Fill())
        return false;
    byte = static_cast<unsigned char>(data_[position_]);
    return true;
}

bool InputFile::AtEndOfFile() {
    unsigned char byte;
    return !PeekByte(byte);
}

bool InputFile::ReadLine(std::u16string& line) {
    line.clear();
    return AppendLine(line);
}

bool InputFile::AppendLine(std::u16string& text) {
    for (;;) {
        if (position_ >= size_ && !Fill())
            return !failed_;
        const char* start = data_ + position_;
        const char* end = FindLineEnd(start, data_ + size_);
        AppendDecodedCodePage(std::string_view(start, static_cast<std::size_t>(end - start)), text);
        position_ = static_cast<std::size_t>(end - data_);
        if (position_ < size_)
            break;
    }
    const char terminator = data_[position_++];
    unsigned char next;
    if (terminator == '\r' && PeekByte(next) && next == '\n')
        ++position_;
    return !failed_;
}

}  // namespace tremaro
