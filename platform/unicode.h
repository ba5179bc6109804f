#pragma once

#include <string>
#include <string_view>

namespace tremaro {

// Messages and paths travel as UTF-8 (the terminal's and the file system's encoding);
// form text as UTF-16. Malformed input becomes U+FFFD rather than being dropped.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Whether the character is a letter or a combining mark of some script (ICU's categories L
// and M), as most characters of a text are and few of the misread bytes of another code page.
bool IsLetterOrMark(char16_t c);

}  // namespace tremaro
