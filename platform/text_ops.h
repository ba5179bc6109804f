#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro {

// The substring search the correction runs on every line.

// The 0-based index of the first c at or after from, npos when there is none. Eight
// characters at a time: the correction asks this twice of every line.
std::size_t FindCharacter(std::u16string_view text, char16_t c, std::size_t from = 0);

}  // namespace tremaro
