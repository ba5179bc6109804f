#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tremaro {

// Sequential line reading of an 8-bit text file. A line ends at CR LF, at a CR alone or
// at an LF alone (so an LF CR pair makes an empty line between), never holds its
// terminator, and a last line with no terminator is read whole. Bytes become characters
// through the form file's code page.
class InputFile {
public:
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fails when the file is missing, cannot be read or is a folder.
    static std::unique_ptr<InputFile> OpenForInput(const std::string& path);

    // True at the end and also after a read error; HasFailed tells them apart.
    bool AtEndOfFile();
    bool HasFailed() const { return failed_; }

    // False on a read error; line then holds what was read before it.
    bool ReadLine(std::u16string& line);

    // The same, appending the line's characters to text instead of replacing it, so that a
    // whole file can be read into one buffer.
    bool AppendLine(std::u16string& text);

    // Lines are counted in 32 bits to keep the index of the largest form small; a file of
    // more than 4 GiB fails to read.
    struct LineSpan {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    enum class BulkRead { Done, TooManyLines, Failed };

    // Reads all remaining lines at once: the file's characters go to text (line breaks
    // included) and where each line starts and how long it is to lines. Stops before
    // decoding anything when the file has more than maxLines lines.
    BulkRead ReadAllLines(std::u16string& text, std::vector<LineSpan>& lines, std::size_t maxLines);

private:
    InputFile(int descriptor, std::size_t size);
    bool MapWholeFile();
    bool ReadToEnd();
    bool Fill();
    bool PeekByte(unsigned char& byte);

    int descriptor_ = -1;
    std::size_t sizeWhenOpened_ = 0;
    // The bytes not yet read: a mapping of the whole file where the file allows it,
    // otherwise the last chunk read into buffer_.
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    std::string buffer_;
    bool endReached_ = false;
    bool failed_ = false;
};

}  // namespace tremaro
