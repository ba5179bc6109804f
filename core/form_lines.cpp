#include "core/form_lines.h"

#include "core/code_page_choice.h"
#include "platform/code_page.h"
#include "platform/input_file.h"

#include <algorithm>

namespace tremaro {

FormLines::LoadStatus FormLines::LoadFormFile(const std::string& path, std::optional<CodePageDecision> codePage) {
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
    const CodePageDecision page = codePage ? *codePage : DecideCodePage(read.bytes);
    const LoadStatus status = Take(std::move(read), page);
    if (status == LoadStatus::Loaded)
        fileName_ = path;
    return status;
}

FormLines::LoadStatus FormLines::ReadAgainIn(CodePage codePage) {
    if (!hasForm_)
        return LoadStatus::CannotRead;
    FileRead file = file_;
    return Take(std::move(file), ChosenByHand(codePage));
}

FormLines::LoadStatus FormLines::Take(FileRead file, CodePageDecision codePage) {
    // One block, sized from the file, for the lines and for what a correction adds at the end
    // (lines that grew, a font group): it is never moved, and the pages no line reaches are
    // never touched, so the room costs nothing.
    std::u16string text;
    text.reserve(file.bytes.size() * 2 + 4096);
    AppendDecoded(codePage.page, file.bytes, text);
    if (!TakeText(std::move(text)))
        return LoadStatus::TooLong;
    file_ = std::move(file);
    codePage_ = codePage;
    hasForm_ = true;
    return LoadStatus::Loaded;
}

bool FormLines::TakeText(std::u16string text) {
    std::vector<Span> spans(1);  // slot 0 unused, so that slot N is the file's line N
    if (!AppendLineSpans(text, spans, kMaxLineCount))
        return false;
    text_ = std::move(text);
    spans_ = std::move(spans);
    lineCount_ = static_cast<std::int16_t>(spans_.size() - 1);
    return true;
}

void FormLines::Written(FileRead written) {
    file_ = std::move(written);
}

std::u16string FormLines::TextInFile() const {
    std::u16string text;
    AppendDecoded(codePage_.page, file_.bytes, text);
    return text;
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

void FormLines::InsertLines(int slot, std::span<const std::u16string> lines) {
    std::vector<Span> inserted;
    inserted.reserve(lines.size());
    for (const std::u16string& line : lines) {
        inserted.push_back({static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(line.size())});
        text_ += line;
    }
    spans_.insert(spans_.begin() + slot + 1, inserted.begin(), inserted.end());
    lineCount_ = static_cast<std::int16_t>(spans_.size() - 1);
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
