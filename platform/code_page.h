#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// Form files are 8-bit text in Windows-1251, the code page of the Cyrillic forms this
// tool was made for. Every one of the 256 byte values has a character of its own (the
// one unassigned byte, 0x98, becomes U+0098), so decoding and encoding again gives back
// the same bytes: a form file's bytes survive a round trip whatever they hold.

void AppendDecodedCodePage(std::string_view bytes, std::u16string& out);

// Appends the bytes of text to out. Returns the index of the first character that the
// code page cannot hold (nothing appended from there on), or nothing when all fitted.
std::optional<std::size_t> AppendEncodedCodePage(std::u16string_view text, std::string& out);

}  // namespace tremaro
