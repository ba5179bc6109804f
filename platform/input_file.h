#pragma once

#include <memory>
#include <string>

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

private:
    InputFile(int descriptor, std::size_t chunkSize);
    bool Fill();
    bool PeekByte(unsigned char& byte);

    int descriptor_ = -1;
    std::size_t chunkSize_;
    std::string buffer_;
    std::size_t position_ = 0;
    bool endReached_ = false;
    bool failed_ = false;
};

}  // namespace tremaro
