#include "core/form_lines.h"

#include "platform/code_page.h"
#include "platform/input_file.h"

#include <algorithm>

namespace tremaro {

FormLines::LoadStatus FormLines::LoadFormFile(const std::string& path) {
    FileRead read;
    switch (ReadWholeFile(path, read)) {
    case ReadStatus::Read:
        break;
    case ReadStatus::TooLarge:
        return LoadStatus::TooLarge;
    case ReadStatus::ChangedWhileRead:
        return LoadStatus::ChangedWhileRead;
    case ReadStatus::Missing:
    case ReadStatus::CannotRead:
        return LoadStatus::CannotRead;
    }
    const std::string& bytes = read.bytes;
    std::u16string text;
    AppendDecodedCodePage(bytes, text);
    std::vector<Span> spans(1);  // slot 0 unused, so that slot N is the file's line N
    if (!AppendLineSpans(text, spans, kMaxLineCount))
        return LoadStatus::TooLong;

    text_ = std::move(text);
    spans_ = std::move(spans);
    lineCount_ = static_cast<std::int16_t>(spans_.size() - 1);
    hasForm_ = true;
    fileAsRead_ = std::move(read);
    return LoadStatus::Loaded;
}

void FormLines::OverwriteInLine(int slot, std::size_t offset, std::u16string_view piece) {
    const Span& span = spans_[static_cast<std::size_t>(slot)];
    const std::size_t length = span.length;
    const std::size_t count = std::min(piece.size(), length - std::min(offset, length));
    std::copy_n(piece.begin(), count, text_.begin() + static_cast<std::ptrdiff_t>(span.start + offset));
}

void FormLines::ReplaceLine(int slot, std::u16string_view text) {
    Span& span = spans_[static_cast<std::size_t>(slot)];
    if (text.size() <= span.length) {
        std::copy(text.begin(), text.end(), text_.begin() + static_cast<std::ptrdiff_t>(span.start));
    } else {
        // A longer line moves to the end of the buffer; its old place is not used again.
        span.start = static_cast<std::uint32_t>(text_.size());
        text_.append(text);
    }
    span.length = static_cast<std::uint32_t>(text.size());
}

std::u16string FormLines::AssembleText() const {
    std::size_t length = 0;
    for (int slot = 1; slot <= lineCount_; ++slot)
        length += spans_[static_cast<std::size_t>(slot)].length + 2;
    std::u16string assembled;
    assembled.resize(length);
    char16_t* to = assembled.data();
    for (int slot = 1; slot <= lineCount_; ++slot) {
        const std::u16string_view line = Line(slot);
        to = std::copy(line.begin(), line.end(), to);
        *to++ = u'\r';
        *to++ = u'\n';
    }
    return assembled;
}

}  // namespace tremaro
