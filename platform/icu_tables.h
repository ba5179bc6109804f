#pragma once

#include <cstddef>
#include <cstdint>

namespace tremaro::icu_tables {

// What ICU says about the single-byte code pages, taken from ICU when the
// program is built (make_icu_tables.cpp writes them) so that a run needs neither ICU's
// libraries nor its 30 MB of data to read a form of Europe or Thailand. They are ICU's
// answers, not ours, and change with the ICU the program is built against.

// Windows-1250 to Windows-1258 and Windows-874, in the order of CodePage.
inline constexpr std::size_t kSingleBytePageCount = 10;

// The character of each byte, or U+DC00 + the byte where the code page has none that
// encodes back to that byte alone.
extern const char16_t kDecode[kSingleBytePageCount][256];

// The byte of each character, in two steps: kEncodeBlockOf names the block of 256 entries
// for the character's high byte, whose entry for its low byte is the byte + 1, or 0 where the
// code page holds no such character. Block 0 holds none.
extern const std::uint8_t kEncodeBlockOf[kSingleBytePageCount][256];
extern const std::uint16_t kEncodeBlocks[][256];

}  // namespace tremaro::icu_tables
