#pragma once

#include "platform/input_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// The form file being worked on, one string per line. Slot 1 is always empty and the
// file's lines fill slots 2 to LineCount, so every assembled text starts with an empty
// line; LineCount is 0 until a file has been loaded. A load is all or nothing: the store
// changes only when the whole file was read, so a failed or cut read can never be
// corrected and saved over the real file.
//
// The lines live one after another in a single buffer, which keeps the largest form a few
// megabytes in one piece rather than thirty thousand small strings.
class FormLines {
public:
    static constexpr std::int16_t kMaxLineCount = 32767;  // so at most 32766 file lines

    enum class LoadStatus { Loaded, CannotRead, TooLarge, TooLong };
    struct LoadResult {
        LoadStatus status = LoadStatus::Loaded;
        std::string message;  // what to tell the operator when the load failed
    };

    LoadResult LoadFormFile(const std::string& path);

    std::int16_t LineCount() const { return lineCount_; }

    // Valid until the store changes.
    std::u16string_view Line(int slot) const {
        const Span& span = spans_[static_cast<std::size_t>(slot)];
        return std::u16string_view(text_).substr(span.start, span.length);
    }

    // Overwrites characters of a line in place; the line keeps its length.
    void OverwriteInLine(int slot, std::size_t offset, std::u16string_view piece);
    void ReplaceLine(int slot, std::u16string_view text);

    // Slots 1 to LineCount, each followed by CR LF; empty before any load.
    std::u16string AssembleText() const;

private:
    using Span = InputFile::LineSpan;

    std::u16string text_;  // the lines' characters (with the file's line breaks between them)
    std::vector<Span> spans_ = std::vector<Span>(2);
    std::int16_t lineCount_ = 0;
};

}  // namespace tremaro
