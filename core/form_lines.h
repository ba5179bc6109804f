#pragma once

#include "platform/input_file.h"
#include "platform/text_lines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// The form file being worked on, one string per line: the file's line N is slot N, from 1
// to LineCount, so the line numbers of the view and of every message are the file's own.
// HasForm is false until a file has been loaded (an empty file is a form of no lines). A
// load is all or nothing: the store changes only when the whole file was read, so a failed
// or cut read can never be corrected and saved over the real file. The store keeps the
// file as it was read (its bytes and state), for a save to check that nothing else has
// written it since.
//
// The lines live one after another in a single buffer, which keeps the largest form a few
// megabytes in one piece rather than thirty thousand small strings.
class FormLines {
public:
    static constexpr std::int16_t kMaxLineCount = 32766;

    enum class LoadStatus { Loaded, CannotRead, TooLarge, TooLong, ChangedWhileRead };

    LoadStatus LoadFormFile(const std::string& path);

    bool HasForm() const { return hasForm_; }
    std::int16_t LineCount() const { return lineCount_; }
    const FileRead& FileAsRead() const { return fileAsRead_; }

    // Valid until the store changes.
    std::u16string_view Line(int slot) const {
        const Span& span = spans_[static_cast<std::size_t>(slot)];
        return std::u16string_view(text_).substr(span.start, span.length);
    }

    // Overwrites characters of a line in place; the line keeps its length.
    void OverwriteInLine(int slot, std::size_t offset, std::u16string_view piece);
    void ReplaceLine(int slot, std::u16string_view text);

    // Slots 1 to LineCount, each followed by CR LF; empty before any load and for an empty file.
    std::u16string AssembleText() const;

private:
    using Span = LineSpan;

    std::u16string text_;  // the lines' characters (with the file's line breaks between them)
    std::vector<Span> spans_ = std::vector<Span>(1);
    std::int16_t lineCount_ = 0;
    bool hasForm_ = false;
    FileRead fileAsRead_;
};

}  // namespace tremaro
