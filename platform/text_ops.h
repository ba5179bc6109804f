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
constexpr char16_t FoldAsciiCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

inline bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
            return false;
    return true;
}

inline bool EndsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view ending) {
    return text.size() >= ending.size() && EqualIgnoringAsciiCase(text.substr(text.size() - ending.size()), ending);
}

}  // namespace tremaro
