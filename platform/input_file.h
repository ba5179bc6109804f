#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tremaro {

// Reading an 8-bit text file whole, as lines. A line ends at CR LF, at a CR alone or at an
// LF alone (so an LF CR pair makes an empty line between), never holds its terminator,
// and a last line with no terminator is read whole. Bytes become characters through the
// form file's code page.
//
// Only a plain file is read (links followed): a folder, pipe, device or socket is refused
// as it is opened, without waiting for a writer or a device, and a file over
// kMaxFileSize is refused before a byte of it is read. The file is read with ordinary
// reads, so a file cut short while it is read is a read failure, never a crash.
class InputFile {
public:
    static constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fails when the file is missing, cannot be read or is not a plain file.
    static std::unique_ptr<InputFile> OpenForInput(const std::string& path);

    // Lines are counted in 32 bits to keep the index of the largest form small.
    struct LineSpan {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    enum class BulkRead { Done, TooLarge, TooManyLines, Failed };

    // Reads all lines at once: the file's characters go to text (line breaks included) and
    // where each line starts and how long it is to lines. Stops before decoding anything
    // when the file has more than maxLines lines.
    BulkRead ReadAllLines(std::u16string& text, std::vector<LineSpan>& lines, std::size_t maxLines);

private:
    InputFile(int descriptor, std::size_t size);
    BulkRead ReadAllBytes();

    int descriptor_ = -1;
    std::size_t sizeWhenOpened_ = 0;
    std::string bytes_;
};

}  // namespace tremaro
