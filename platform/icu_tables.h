#pragma once

#include <cstddef>
#include <cstdint>

namespace tremaro::icu_tables {

// What ICU says about the Windows code pages, taken from ICU when the program is built
// (make_icu_tables.cpp writes them) so that a run needs neither ICU's libraries nor its 30 MB
// of data to read a form of Europe, Thailand or East Asia: loading them cost a form of GBK
// half of its run. They are ICU's answers, not ours, and change with the ICU the program is
// built against.

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

// Shift-JIS, GBK, Unified Hangul and Big5, in the order of CodePage: a character is one byte or
// a lead byte from 0x81 and a trail byte.
inline constexpr std::size_t kDoubleBytePageCount = 4;

// What ICU reads in each byte from 0x80 on alone, or 0 where it reads none (a lead byte, or
// one the code page leaves undefined).
extern const char16_t kLoneByte[kDoubleBytePageCount][128];
// What ICU reads in a byte from 0x80 on and the byte after it, or 0 where it reads no
// character of the two.
extern const char16_t kPair[kDoubleBytePageCount][128][256];
// Whether the character read there encodes back to the very bytes it was read from (some
// are read one way only), a bit for each: bit (byte % 8) of entry (byte / 8).
extern const std::uint8_t kLoneByteReadsBack[kDoubleBytePageCount][16];
extern const std::uint8_t kPairReadsBack[kDoubleBytePageCount][128][32];

// The bytes of each character from U+0080 on, as for the single-byte pages in two steps: the
// block for its high byte, whose entry for its low byte is the byte (below 0x100) or the lead
// and trail byte (lead * 256 + trail), or 0 where the code page holds no such character.
extern const std::uint16_t kDoubleByteEncodeBlockOf[kDoubleBytePageCount][256];
extern const std::uint16_t kDoubleByteEncodeBlocks[][256];

}  // namespace tremaro::icu_tables
