#pragma once

#include "core/code_page_choice.h"
#include "platform/code_page.h"
#include "platform/input_file.h"
#include "platform/text_lines.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// How a line of the form file ended: each is written back as it was read, so that a form
// checked out with LF endings comes back with them, and only its last line may have none.
enum class LineEnding : std::uint8_t { CrLf, Lf, Cr, None };

// Inline: every line written and every size counted asks it.
constexpr std::u16string_view TextOf(LineEnding ending) {
    switch (ending) {
    case LineEnding::CrLf:
        return u"\r\n";
    case LineEnding::Lf:
        return u"\n";
    case LineEnding::Cr:
        return u"\r";
    case LineEnding::None:
        break;
    }
    return {};
}

// The form file being worked on, one string per line: the file's line N is slot N, from 1
// to LineCount, so the line numbers of the view and of every message are the file's own.
// HasForm is false until a file has been loaded (an empty file is a form of no lines). A
// load is all or nothing: the store changes only when the whole file was read, so a failed
// or cut read can never be corrected and saved over the real file.
//
// The file is read in its code page, the one given or else the one its bytes tell
// (DecideCodePage), and the store keeps what that decision rests on. The store keeps the file as it was read (its bytes
// and state), or as a save last wrote it: for the next save to check that nothing else has written it since, to read
// its bytes again in another code page the operator chooses, and to tell the text the file holds from the operator's
// edits.
//
// The lines live one after another in a single buffer, which keeps the largest form a few
// megabytes in one piece rather than thirty thousand small strings.
//
// Each line keeps the ending it was read with. The view shows every line ended alike (CR LF:
// AssembleText), and what is written to the file gives each line its own (AssembleFileText,
// WithKeptEndings).
class FormLines {
public:
    static constexpr std::int16_t kMaxLineCount = 32766;

    enum class LoadStatus { Loaded, CannotRead, TooLarge, TooLong, ChangedWhileRead };

    LoadStatus LoadFormFile(const std::string& path, std::optional<CodePageDecision> codePage = std::nullopt);

    // The bytes last read, read again in a code page the operator chose; the lines as a
    // correction left them are dropped.
    LoadStatus ReadAgainIn(CodePage codePage);

    // Text the operator edited (the view's) as the form's lines, split as a file's text is;
    // the code page, the file name and the bytes of the file stay, and the lines keep their
    // endings as WithKeptEndings gives them. All or nothing: a text of more than kMaxLineCount
    // lines returns false and changes nothing.
    bool TakeText(std::u16string text);

    // The form file as a save wrote it: what the file holds now, and what ReadAgainIn,
    // TextInFile and the next save's check go by from then on.
    void Written(FileRead written);

    // The form file's text as last read or written, in the code page of the lines.
    std::u16string TextInFile() const;

    bool HasForm() const { return hasForm_; }
    const std::string& FileName() const { return fileName_; }
    CodePage TextCodePage() const { return codePage_.page; }
    const CodePageDecision& CodePageDecided() const { return codePage_; }
    std::int16_t LineCount() const { return lineCount_; }
    // The form file as last read or written.
    const FileRead& File() const { return file_; }

    // Valid until the store changes.
    std::u16string_view Line(int slot) const {
        const Span& span = spans_[static_cast<std::size_t>(slot)];
        return std::u16string_view(text_).substr(span.start, span.length);
    }

    LineEnding EndingOf(int slot) const { return endings_[static_cast<std::size_t>(slot)]; }

    // Room for lines to grow by this many characters in all, the whole of each line that grows
    // and each line put in: made before they grow, it moves the lines at most once.
    void ReserveRoomToGrow(std::size_t characters);

    // Overwrites characters of a line in place; the line keeps its length.
    void OverwriteInLine(int slot, std::size_t offset, std::u16string_view piece);
    void ReplaceLine(int slot, std::u16string_view text);

    // Puts lines after slot (0: before the first line); the lines after them move down. They
    // take the ending of the line before them (the first line's, put before it); after a last
    // line without one, that line takes the file's usual ending and the last one put none.
    void InsertLines(int slot, std::span<const std::u16string> lines);

    // Slots 1 to LineCount, each followed by CR LF, as the view shows them; empty before any
    // load and for an empty file.
    std::u16string AssembleText() const;

    // Slots 1 to LineCount, each followed by its own ending: what the form file gets.
    std::u16string AssembleFileText() const;

    // The view's text (its lines broken in any way) as the form file gets it: the lines at its
    // start and at its end that are the store's own keep their endings, an edited line in the
    // place of one of the store's takes that one's, a line the operator added takes the ending
    // of the line before it, and the last line ends as the store's last one does.
    std::u16string WithKeptEndings(std::u16string_view viewText) const;

private:
    using Span = LineSpan;

    LoadStatus Take(FileRead file, CodePageDecision codePage);
    void Store(std::u16string text, std::vector<Span> spans, std::vector<LineEnding> endings);
    std::vector<LineEnding> EndingsKeptFor(const std::vector<std::u16string_view>& lines) const;
    LineEnding UsualEnding() const;

    std::string fileName_;
    FileRead file_;  // as last read or written
    CodePageDecision codePage_;
    std::u16string text_;  // the lines' characters (with the file's line breaks between them)
    std::vector<Span> spans_ = std::vector<Span>(1);
    std::vector<LineEnding> endings_ = std::vector<LineEnding>(1);  // slot by slot, as spans_
    std::int16_t lineCount_ = 0;
    bool hasForm_ = false;
};

}  // namespace tremaro
