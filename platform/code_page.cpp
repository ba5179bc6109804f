#include "platform/code_page.h"

#include <array>
#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {
namespace {

// Bytes 0x00 to 0x7F are ASCII; this is the upper half, bytes 0x80 to 0xFF, eight a row.
// clang-format off
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
// clang-format on

// The reverse direction, worked out from the same table at compile time. Every
// character of the code page lies below U+2200; 0 marks "not in the code page" (byte 0
// itself is handled before the lookup).
constexpr char16_t kReverseLimit = 0x2200;

constexpr std::array<std::uint8_t, kReverseLimit> BuildReverseTable() {
    std::array<std::uint8_t, kReverseLimit> reverse{};
    for (unsigned byte = 0x01; byte < 0x80; ++byte)
        reverse[byte] = static_cast<std::uint8_t>(byte);
    for (unsigned index = 0; index < kUpperHalf.size(); ++index)
        reverse[kUpperHalf[index]] = static_cast<std::uint8_t>(0x80 + index);
    return reverse;
}

constexpr auto kReverse = BuildReverseTable();

// Form files are mostly ASCII, which needs no table: sixteen bytes or eight characters at
// a time are converted by widening or narrowing when all of them are ASCII.
#ifdef __SSE2__
constexpr std::size_t kAsciiBlock = 16;

bool WidenAsciiBlock(const char* from, char16_t* to) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    if (_mm_movemask_epi8(bytes) != 0)
        return false;
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(bytes, zero));
    return true;
}

bool NarrowAsciiBlock(const char16_t* from, char* to) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 8));
    const __m128i notAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(_mm_or_si128(low, high), notAscii), _mm_setzero_si128())) !=
        0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(low, high));
    return true;
}
#else
constexpr std::size_t kAsciiBlock = 8;

bool WidenAsciiBlock(const char* from, char16_t* to) {
    std::uint64_t block;
    std::memcpy(&block, from, sizeof block);
    if ((block & 0x8080808080808080u) != 0)
        return false;
    for (std::size_t k = 0; k < kAsciiBlock; ++k)
        to[k] = static_cast<unsigned char>(from[k]);
    return true;
}

bool NarrowAsciiBlock(const char16_t* from, char* to) {
    for (std::size_t k = 0; k < kAsciiBlock; ++k)
        if (from[k] >= 0x80)
            return false;
    for (std::size_t k = 0; k < kAsciiBlock; ++k)
        to[k] = static_cast<char>(from[k]);
    return true;
}
#endif

char16_t DecodeByte(unsigned char byte) {
    return byte < 0x80 ? char16_t(byte) : kUpperHalf[byte - 0x80];
}

}  // namespace

void AppendDecodedCodePage(std::string_view bytes, std::u16string& out) {
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    char16_t* to = out.data() + start;
    for (std::size_t i = 0; i < bytes.size();) {
        if (i + kAsciiBlock <= bytes.size() && WidenAsciiBlock(bytes.data() + i, to + i)) {
            i += kAsciiBlock;
        } else {
            to[i] = DecodeByte(static_cast<unsigned char>(bytes[i]));
            ++i;
        }
    }
}

std::optional<std::size_t> AppendEncodedCodePage(std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* to = out.data() + start;
    for (std::size_t i = 0; i < text.size();) {
        if (i + kAsciiBlock <= text.size() && NarrowAsciiBlock(text.data() + i, to + i)) {
            i += kAsciiBlock;
            continue;
        }
        const char16_t c = text[i];
        if (c != 0 && (c >= kReverseLimit || kReverse[c] == 0)) {
            out.resize(start + i);
            return i;
        }
        to[i++] = static_cast<char>(kReverse[c]);
    }
    return std::nullopt;
}

}  // namespace tremaro
