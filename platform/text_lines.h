#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tremaro {

// How a text falls into lines, wherever the program needs to know: a line ends at CR LF, at
// a CR alone or at an LF alone (so LF CR makes an empty line between), never holds its
// break, and a last line without a break counts; an empty text has no lines. Form files, the
// view's text and the picture's text are all split here, so a line number means the same
// everywhere.

// Where a line stands in its text. 32 bits keep the index of the largest form small.
struct LineSpan {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
};

// Appends the spans of text's lines to spans. Returns false, with spans left as they were,
// when text has more than mostLines lines or is longer than 32 bits can index.
bool AppendLineSpans(std::u16string_view text, std::vector<LineSpan>& spans, std::size_t mostLines);

// The lines themselves, as views into text.
std::vector<std::u16string_view> SplitIntoLines(std::u16string_view text);

// The same for bytes not yet decoded: the lines of a project file.
std::vector<std::string_view> SplitIntoLines(std::string_view text);

// The number, counting from 1, of the line in which the character at index stands; a line's
// break belongs to the line it ends.
std::size_t LineNumberAt(std::u16string_view text, std::size_t index);

}  // namespace tremaro
