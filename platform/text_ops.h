#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro {

// The two substring operations the correction runs on every line.

// The 0-based index of the first c at or after from, npos when there is none. Eight
// characters at a time: the correction asks this twice of every line.
std::size_t FindCharacter(std::u16string_view text, char16_t c, std::size_t from = 0);

// The characters from the 1-based position start on, at most maximum of them; empty when
// start is 0 or past the end.
std::u16string_view ExtractText(std::u16string_view text, std::size_t start, std::size_t maximum);

}  // namespace tremaro
