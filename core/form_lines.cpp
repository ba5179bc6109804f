#include "core/form_lines.h"

#include "core/code_page_choice.h"
#include "platform/code_page.h"
#include "platform/input_file.h"

#include <algorithm>

namespace tremaro {
namespace {

LineEnding EndingAfter(std::u16string_view text, const LineSpan& span) {
    const std::size_t end = span.start + span.length;
    if (end >= text.size())
        return LineEnding::None;
    if (text[end] == u'\n')
        return LineEnding::Lf;
    return end + 1 < text.size() && text[end + 1] == u'\n' ? LineEnding::CrLf : LineEnding::Cr;
}

}  // namespace

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
    // No code page makes more characters than bytes. The room left is what a correction at a
    // usual percent adds at the end (lines that grew, a font group), so that the lines need
    // not move; more would push the blocks made after it onto pages of their own, each a
    // fault to touch. A correction that adds more makes its room first (ReserveRoomToGrow).
    std::u16string text;
    text.reserve(file.bytes.size() + file.bytes.size() / 8 + 4096);
    AppendDecoded(codePage.page, file.bytes, text);
    std::vector<Span> spans(1);  // slot 0 unused, so that slot N is the file's line N
    if (!AppendLineSpans(text, spans, kMaxLineCount))
        return LoadStatus::TooLong;
    std::vector<LineEnding> endings;
    endings.reserve(spans.size());
    endings.push_back(LineEnding::None);
    for (std::size_t slot = 1; slot < spans.size(); ++slot)
        endings.push_back(EndingAfter(text, spans[slot]));
    Store(std::move(text), std::move(spans), std::move(endings));
    file_ = std::move(file);
    codePage_ = codePage;
    hasForm_ = true;
    return LoadStatus::Loaded;
}

bool FormLines::TakeText(std::u16string text) {
    std::vector<Span> spans(1);
    if (!AppendLineSpans(text, spans, kMaxLineCount))
        return false;
    std::vector<std::u16string_view> lines;
    lines.reserve(spans.size() - 1);
    for (std::size_t slot = 1; slot < spans.size(); ++slot)
        lines.push_back(std::u16string_view(text).substr(spans[slot].start, spans[slot].length));
    std::vector<LineEnding> endings = EndingsKeptFor(lines);
    endings.insert(endings.begin(), LineEnding::None);
    Store(std::move(text), std::move(spans), std::move(endings));
    return true;
}

void FormLines::Store(std::u16string text, std::vector<Span> spans, std::vector<LineEnding> endings) {
    text_ = std::move(text);
    spans_ = std::move(spans);
    endings_ = std::move(endings);
    lineCount_ = static_cast<std::int16_t>(spans_.size() - 1);
}

std::vector<LineEnding> FormLines::EndingsKeptFor(const std::vector<std::u16string_view>& lines) const {
    const std::size_t had = static_cast<std::size_t>(lineCount_);
    const std::size_t has = lines.size();
    std::size_t sameAtStart = 0;
    while (sameAtStart < had && sameAtStart < has && Line(static_cast<int>(sameAtStart) + 1) == lines[sameAtStart])
        ++sameAtStart;
    std::size_t sameAtEnd = 0;
    while (sameAtEnd < had - sameAtStart && sameAtEnd < has - sameAtStart &&
           Line(static_cast<int>(had - sameAtEnd)) == lines[has - 1 - sameAtEnd])
        ++sameAtEnd;
    std::vector<LineEnding> endings(has, LineEnding::None);
    for (std::size_t i = 0; i < has; ++i) {
        if (i >= has - sameAtEnd)
            endings[i] = endings_[had - (has - i) + 1];
        else if (i < had - sameAtEnd)
            endings[i] = endings_[i + 1];  // the store's own line, or an edited one in its place
        if (endings[i] == LineEnding::None && i + 1 < has)
            endings[i] = i > 0 ? endings[i - 1] : UsualEnding();
    }
    if (has > 0 && sameAtEnd == 0)
        endings.back() = had > 0 ? endings_[had] : LineEnding::CrLf;
    return endings;
}

// The ending of the store's first line that has one; CR LF, the designer's, when none has.
LineEnding FormLines::UsualEnding() const {
    for (int slot = 1; slot <= lineCount_; ++slot)
        if (EndingOf(slot) != LineEnding::None)
            return EndingOf(slot);
    return LineEnding::CrLf;
}

void FormLines::Written(FileRead written) {
    file_ = std::move(written);
}

std::u16string FormLines::TextInFile() const {
    std::u16string text;
    AppendDecoded(codePage_.page, file_.bytes, text);
    return text;
}

void FormLines::ReserveRoomToGrow(std::size_t characters) {
    text_.reserve(text_.size() + characters);
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
    if (lines.empty())
        return;
    const std::size_t before = static_cast<std::size_t>(slot);
    LineEnding ending = slot > 0 ? endings_[before] : lineCount_ > 0 ? endings_[1] : LineEnding::CrLf;
    std::vector<LineEnding> endings(lines.size(), ending);
    if (ending == LineEnding::None) {
        endings.assign(lines.size(), UsualEnding());
        endings.back() = LineEnding::None;
        if (slot > 0)
            endings_[before] = UsualEnding();
        else
            endings.back() = UsualEnding();  // put before a first line without an ending: the form's only line
    }
    endings_.insert(endings_.begin() + slot + 1, endings.begin(), endings.end());
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

std::u16string FormLines::AssembleFileText() const {
    std::size_t length = 0;
    for (int slot = 1; slot <= lineCount_; ++slot)
        length += spans_[static_cast<std::size_t>(slot)].length + 2;
    std::u16string assembled;
    assembled.reserve(length);
    for (int slot = 1; slot <= lineCount_; ++slot) {
        assembled += Line(slot);
        assembled += TextOf(EndingOf(slot));
    }
    return assembled;
}

std::u16string FormLines::WithKeptEndings(std::u16string_view viewText) const {
    const std::vector<std::u16string_view> lines = SplitIntoLines(viewText);
    const std::vector<LineEnding> endings = EndingsKeptFor(lines);
    std::u16string text;
    text.reserve(viewText.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        text += TextOf(endings[i]);
    }
    return text;
}

}  // namespace tremaro
