#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro {

// The text operations the form's rules run on every line.

// The 0-based index of the first c at or after from, npos when there is none. Eight
// characters at a time: the correction asks this twice of every line.
std::size_t FindCharacter(std::u16string_view text, char16_t c, std::size_t from = 0);

// Names as Visual Basic reads them: the letters A to Z in either case are the same, every
// other character only itself.
// Names in the bytes of a file (a project's file names) fold the same way.
template <typename Char>
constexpr Char FoldAsciiCase(Char c) {
    return c >= Char{'A'} && c <= Char{'Z'} ? static_cast<Char>(c + (Char{'a'} - Char{'A'})) : c;
}

template <typename Char>
bool EqualIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
            return false;
    return true;
}

inline bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    return EqualIgnoringAsciiCase<char16_t>(a, b);
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return EqualIgnoringAsciiCase<char>(a, b);
}

inline bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && EqualIgnoringAsciiCase(text.substr(0, start.size()), start);
}

inline bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && EqualIgnoringAsciiCase(text.substr(text.size() - ending.size()), ending);
}

inline bool EndsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view ending) {
    return text.size() >= ending.size() && EqualIgnoringAsciiCase(text.substr(text.size() - ending.size()), ending);
}

// A digit 0 to 9, as a number in a form's text is written: no other script's digits. For
// the bytes of a text and its UTF-16 characters alike.
constexpr bool IsDigit(char32_t c) {
    return c >= u'0' && c <= u'9';
}

// What separates words in a form's lines: a blank or a tab.
inline bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// How many blanks and tabs the text begins with, and ends with. A form's lines are indented
// by up to dozens of blanks and its property names padded with them, and every line is
// trimmed a few times: they are counted a block of characters at a time.
std::size_t LeadingBlanks(std::u16string_view text);
std::size_t LeadingBlanks(std::string_view bytes);
std::size_t TrailingBlanks(std::u16string_view text);
std::size_t TrailingBlanks(std::string_view bytes);

// The line without its leading and trailing blanks and tabs.
inline std::u16string_view TrimmedText(std::u16string_view line) {
    line.remove_prefix(LeadingBlanks(line));
    line.remove_suffix(TrailingBlanks(line));
    return line;
}

inline std::string_view TrimmedText(std::string_view line) {
    line.remove_prefix(LeadingBlanks(line));
    line.remove_suffix(TrailingBlanks(line));
    return line;
}

// The next blank- or tab-separated word of text, taken off its front.
inline std::u16string_view NextWord(std::u16string_view& text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    const std::u16string_view word = text.substr(start, end - start);
    text.remove_prefix(end);
    return word;
}

}  // namespace tremaro
