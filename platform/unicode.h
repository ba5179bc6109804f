#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tremaro {

// Messages and paths travel as UTF-8 (the terminal's and the file system's encoding);
// form text as UTF-16. Malformed input becomes U+FFFD rather than being dropped.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The writing systems that telling a form's code page apart needs. A text read in the code
// page it was written in is made of words of one script; read in another, its letters come
// out as another script's, as symbols, or as a jumble of two scripts in one word.
enum class Script : std::uint8_t {
    None,  // digits, punctuation, symbols, controls, and letters of no script listed here
    Mark,  // a combining mark, which belongs to the letter before it whatever its script
    Latin,
    Greek,
    Cyrillic,
    Hebrew,
    Arabic,
    Thai,
    Han,
    Kana,
    Hangul,
    CjkSymbol,  // the ideographic space, brackets and full-width forms East Asian text uses
};

// The script of a letter or mark, by the blocks of the Basic Multilingual Plane that the
// code pages of Windows reach.
Script ScriptOf(char16_t c);

}  // namespace tremaro
