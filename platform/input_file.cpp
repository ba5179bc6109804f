#include "platform/input_file.h"

#include "platform/code_page.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremaro {
namespace {

// Files that tell no size (those under /proc) are read in steps of this much.
constexpr std::size_t kReadStep = 64 * 1024;

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

}  // namespace

InputFile::InputFile(int descriptor, std::size_t size) : descriptor_(descriptor), sizeWhenOpened_(size) {}

InputFile::~InputFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::unique_ptr<InputFile> InputFile::OpenForInput(const std::string& path) {
    // Looked at before it is opened, since opening a device can itself do something; and
    // again after, in case the name was given to something else in between. Opening
    // without waiting keeps a pipe with no writer from holding the program.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    const int descriptor = system::Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<InputFile>(new InputFile(descriptor, static_cast<std::size_t>(info.st_size)));
}

InputFile::BulkRead InputFile::ReadAllBytes() {
    if (sizeWhenOpened_ > kMaxFileSize)
        return BulkRead::TooLarge;
    // One read more than the size told is needed to see the end; a file that grows while
    // it is read is read on, up to the limit.
    std::size_t filled = 0;
    bytes_.resize(sizeWhenOpened_ + 1);
    for (;;) {
        if (filled == bytes_.size()) {
            if (filled > kMaxFileSize)
                return BulkRead::TooLarge;
            bytes_.resize(std::min(filled + kReadStep, kMaxFileSize + 1));
        }
        const ssize_t count = system::Read(descriptor_, bytes_.data() + filled, bytes_.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return BulkRead::Failed;
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    bytes_.resize(filled);
    // Fewer bytes than the file had when it was opened: it was cut short while being read.
    return filled < sizeWhenOpened_ ? BulkRead::Failed : BulkRead::Done;
}

InputFile::BulkRead InputFile::ReadAllLines(std::u16string& text, std::vector<LineSpan>& lines, std::size_t maxLines) {
    if (const BulkRead read = ReadAllBytes(); read != BulkRead::Done)
        return read;
    const char* const base = bytes_.data();
    const char* const end = base + bytes_.size();
    const std::size_t first = text.size();
    if (first + bytes_.size() > UINT32_MAX)
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
    bytes_.clear();
    bytes_.shrink_to_fit();
    return BulkRead::Done;
}

}  // namespace tremaro
