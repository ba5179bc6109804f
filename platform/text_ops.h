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

}  // namespace tremaro
