#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tremaro {

// The form file being worked on, one string per line. Slot 1 is always empty and the
// file's lines fill slots 2 to LineCount, so every assembled text starts with an empty
// line; LineCount is 0 until a file has been loaded. A load is all or nothing: the store
// changes only when the whole file was read, so a failed or cut read can never be
// corrected and saved over the real file.
class FormLines {
public:
    static constexpr std::int16_t kMaxLineCount = 32767;  // so at most 32766 file lines

    enum class LoadStatus { Loaded, CannotRead, TooLong };
    struct LoadResult {
        LoadStatus status = LoadStatus::Loaded;
        std::string message;  // what to tell the operator when the load failed
    };

    LoadResult LoadFormFile(const std::string& path);

    std::int16_t LineCount() const { return lineCount_; }
    const std::u16string& Line(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    void ReplaceLine(int slot, std::u16string text) { slots_[static_cast<std::size_t>(slot)] = std::move(text); }

    // Slots 1 to LineCount, each followed by CR LF; empty before any load.
    std::u16string AssembleText() const;

private:
    std::vector<std::u16string> slots_ = std::vector<std::u16string>(2);
    std::int16_t lineCount_ = 0;
};

}  // namespace tremaro
