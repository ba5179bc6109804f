#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro {

// Substring operations with 1-based positions, as the correction rules count them.

// Position of the first occurrence of key in text (case-sensitive), 0 when absent.
std::size_t FindText(std::u16string_view text, std::u16string_view key);

// The 0-based index of the first c at or after from, npos when there is none. Eight
// characters at a time: the correction asks this twice of every line.
std::size_t FindCharacter(std::u16string_view text, char16_t c, std::size_t from = 0);

// The characters from start on, at most maximum of them; empty when start is past the end.
std::u16string_view ExtractText(std::u16string_view text, std::size_t start, std::size_t maximum);

// Replaces, from start, as many characters as the smallest of maximum, the piece's length
// and the characters left in text; text keeps its length.
void OverwriteText(std::u16string& text, std::size_t start, std::u16string_view piece,
                   std::size_t maximum);

}  // namespace tremaro
