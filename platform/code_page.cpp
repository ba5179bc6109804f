#include "platform/code_page.h"

#include "platform/icu_converters.h"
#include "platform/icu_tables.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {
namespace {

struct CodePageFacts {
    CodePage page;
    int number;
    std::string_view lowerCaseName;
    std::string_view displayName;
    const char* converter;  // ICU's name for it
};

constexpr CodePageFacts kFacts[] = {
    {CodePage::Windows1250, 1250, "windows-1250", "Windows-1250", "windows-1250"},
    {CodePage::Windows1251, 1251, "windows-1251", "Windows-1251", "windows-1251"},
    {CodePage::Windows1252, 1252, "windows-1252", "Windows-1252", "windows-1252"},
    {CodePage::Windows1253, 1253, "windows-1253", "Windows-1253", "windows-1253"},
    {CodePage::Windows1254, 1254, "windows-1254", "Windows-1254", "windows-1254"},
    {CodePage::Windows1255, 1255, "windows-1255", "Windows-1255", "windows-1255"},
    {CodePage::Windows1256, 1256, "windows-1256", "Windows-1256", "windows-1256"},
    {CodePage::Windows1257, 1257, "windows-1257", "Windows-1257", "windows-1257"},
    {CodePage::Windows1258, 1258, "windows-1258", "Windows-1258", "windows-1258"},
    {CodePage::Windows874, 874, "windows-874", "Windows-874", "windows-874"},
    {CodePage::ShiftJis, 932, "shift_jis", "Shift-JIS", "windows-31j"},
    {CodePage::Gbk, 936, "gbk", "GBK", "windows-936"},
    {CodePage::UnifiedHangul, 949, "cp949", "Unified Hangul", "windows-949"},
    {CodePage::Big5, 950, "big5", "Big5", "windows-950"},
    {CodePage::Utf8, 65001, "utf-8", "UTF-8", "UTF-8"},
};

const CodePageFacts& FactsOf(CodePage page) {
    return kFacts[static_cast<std::size_t>(page)];
}

bool IsSingleByte(CodePage page) {
    return page <= CodePage::Windows874;
}

char16_t KeptByte(unsigned char byte) {
    return static_cast<char16_t>(0xDC00 + byte);
}

struct ConverterClose {
    void operator()(UConverter* converter) const { IcuConverters()->close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// A converter of ICU's, by ICU's name for it, or none (ICU not there, or the name unknown).
Converter OpenNamedConverter(const char* name) {
    const IcuConverterFunctions* icu = IcuConverters();
    if (!icu)
        return nullptr;
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(icu->open(name, &error));
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// A converter that stops at whatever it cannot convert and never writes a "best fit".
Converter OpenConverter(CodePage page) {
    Converter converter = OpenNamedConverter(FactsOf(page).converter);
    if (!converter)
        return nullptr;
    const IcuConverterFunctions& icu = *IcuConverters();
    UErrorCode error = U_ZERO_ERROR;
    icu.setToUCallBack(converter.get(), icu.stopToUnicode, nullptr, nullptr, nullptr, &error);
    icu.setFromUCallBack(converter.get(), icu.stopFromUnicode, nullptr, nullptr, nullptr, &error);
    icu.setFallback(converter.get(), false);
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// The bytes of units in the code page, or nothing when it cannot hold one of them.
std::optional<std::string> Encoded(UConverter* converter, const char16_t* units, std::size_t count) {
    const IcuConverterFunctions& icu = *IcuConverters();
    icu.resetFromUnicode(converter);
    std::string bytes(count * 4 + 4, '\0');
    char* target = bytes.data();
    const UChar* source = reinterpret_cast<const UChar*>(units);
    UErrorCode error = U_ZERO_ERROR;
    icu.fromUnicode(converter, &target, bytes.data() + bytes.size(), &source, source + count, nullptr, true, &error);
    if (U_FAILURE(error))
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(target - bytes.data()));
    return bytes;
}

// --- Single-byte code pages: ICU's tables, taken when the program was built ------------

const char16_t (&DecodeTableOf(CodePage page))[256] {
    return icu_tables::kDecode[static_cast<std::size_t>(page)];
}

// The byte + 1 of the character in the code page, or 0 when it holds no such character.
std::uint16_t EncodedByte(CodePage page, char16_t c) {
    const std::uint8_t block = icu_tables::kEncodeBlockOf[static_cast<std::size_t>(page)][c >> 8];
    return icu_tables::kEncodeBlocks[block][c & 0xFF];
}

// Form files are mostly ASCII, which needs no table: sixteen bytes or eight characters at a
// time are converted by widening or narrowing when all of them are ASCII.
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

// Where the run of ASCII bytes (or characters) that starts at i ends; whole blocks are
// looked at in one step.
std::size_t EndOfAscii(std::string_view bytes, std::size_t i) {
    char16_t widened[kAsciiBlock];
    while (i + kAsciiBlock <= bytes.size() && WidenAsciiBlock(bytes.data() + i, widened))
        i += kAsciiBlock;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

std::size_t EndOfAscii(std::u16string_view text, std::size_t i) {
    char narrowed[kAsciiBlock];
    while (i + kAsciiBlock <= text.size() && NarrowAsciiBlock(text.data() + i, narrowed))
        i += kAsciiBlock;
    while (i < text.size() && text[i] < 0x80)
        ++i;
    return i;
}

// ASCII is the same characters in every code page: appended in blocks, not one at a time.
void AppendAscii(std::string_view ascii, std::u16string& out) {
    const std::size_t start = out.size();
    out.resize(start + ascii.size());
    char16_t* to = out.data() + start;
    std::size_t i = 0;
    for (; i + kAsciiBlock <= ascii.size(); i += kAsciiBlock)
        WidenAsciiBlock(ascii.data() + i, to + i);
    for (; i < ascii.size(); ++i)
        to[i] = static_cast<char16_t>(ascii[i]);
}

void AppendAscii(std::u16string_view ascii, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + ascii.size());
    char* to = out.data() + start;
    std::size_t i = 0;
    for (; i + kAsciiBlock <= ascii.size(); i += kAsciiBlock)
        NarrowAsciiBlock(ascii.data() + i, to + i);
    for (; i < ascii.size(); ++i)
        to[i] = static_cast<char>(ascii[i]);
}

// A single-byte page's text is made a piece at a time in a small buffer and appended from
// there: sizing the string first would fill megabytes with zeros only to overwrite them.
constexpr std::size_t kStagedPiece = 4096;

void AppendDecodedBytes(CodePage page, std::string_view bytes, std::u16string& out) {
    const char16_t(&decode)[256] = DecodeTableOf(page);
    out.reserve(out.size() + bytes.size());
    char16_t staged[kStagedPiece];
    for (std::size_t pieceStart = 0; pieceStart < bytes.size(); pieceStart += kStagedPiece) {
        const std::string_view piece = bytes.substr(pieceStart, kStagedPiece);
        for (std::size_t i = 0; i < piece.size();) {
            if (i + kAsciiBlock <= piece.size() && WidenAsciiBlock(piece.data() + i, staged + i)) {
                i += kAsciiBlock;
            } else {
                staged[i] = decode[static_cast<unsigned char>(piece[i])];
                ++i;
            }
        }
        out.append(staged, piece.size());
    }
}

std::optional<std::size_t> AppendEncodedBytes(CodePage page, std::u16string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
    char staged[kStagedPiece];
    for (std::size_t pieceStart = 0; pieceStart < text.size(); pieceStart += kStagedPiece) {
        const std::u16string_view piece = text.substr(pieceStart, kStagedPiece);
        for (std::size_t i = 0; i < piece.size();) {
            if (i + kAsciiBlock <= piece.size() && NarrowAsciiBlock(piece.data() + i, staged + i)) {
                i += kAsciiBlock;
                continue;
            }
            const std::uint16_t byte = EncodedByte(page, piece[i]);
            if (byte == 0) {
                out.append(staged, i);
                return pieceStart + i;
            }
            staged[i++] = static_cast<char>(byte - 1);
        }
        out.append(staged, piece.size());
    }
    return std::nullopt;
}

// A character a byte of another code page usually becomes: none of the page, a C1 control, or
// one of the private use area.
bool IsForeignCharacter(char16_t c) {
    return IsByteKeptAsItWas(c) || (c >= 0x80 && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF);
}

// --- Double-byte code pages: ICU's tables too, with whether each character reads back ---

bool IsDoubleByte(CodePage page) {
    return IsEastAsian(page);
}

std::size_t DoubleByteTable(CodePage page) {
    return static_cast<std::size_t>(page) - static_cast<std::size_t>(CodePage::ShiftJis);
}

bool BitIsSet(const std::uint8_t* bits, unsigned k) {
    return (bits[k / 8] >> (k % 8) & 1u) != 0;
}

// What ICU reads where a byte from 0x80 on starts a character: the character, the bytes it
// takes (0 where it reads none: the byte is undefined, or a lead byte with no trail byte of
// its own after it), and whether it encodes back to those very bytes.
struct DoubleByteRead {
    char16_t character = 0;
    std::size_t length = 0;
    bool readsBack = false;
};

DoubleByteRead ReadDoubleByte(std::size_t table, std::string_view bytes, std::size_t i) {
    const unsigned lead = static_cast<unsigned char>(bytes[i]) - 0x80u;
    if (const char16_t lone = icu_tables::kLoneByte[table][lead])
        return {lone, 1, BitIsSet(icu_tables::kLoneByteReadsBack[table], lead)};
    if (i + 1 == bytes.size())
        return {};
    const unsigned trail = static_cast<unsigned char>(bytes[i + 1]);
    if (const char16_t pair = icu_tables::kPair[table][lead][trail])
        return {pair, 2, BitIsSet(icu_tables::kPairReadsBack[table][lead], trail)};
    return {};
}

// A character only where it encodes back to the bytes it came from; the bytes of any other
// stay as they were, and a byte that starts none stays as it was, the next one read anew.
void AppendDecodedDoubleBytes(CodePage page, std::string_view bytes, std::u16string& out) {
    const std::size_t table = DoubleByteTable(page);
    const std::size_t start = out.size();
    out.resize(start + bytes.size());  // never more characters than bytes
    char16_t* to = out.data() + start;
    std::size_t written = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (i + kAsciiBlock <= bytes.size() && WidenAsciiBlock(bytes.data() + i, to + written)) {
            i += kAsciiBlock;
            written += kAsciiBlock;
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            to[written++] = byte;
            ++i;
            continue;
        }
        const DoubleByteRead read = ReadDoubleByte(table, bytes, i);
        if (read.readsBack) {
            to[written++] = read.character;
            i += read.length;
            continue;
        }
        for (const std::size_t end = i + std::max<std::size_t>(read.length, 1); i < end; ++i) {
            const auto kept = static_cast<unsigned char>(bytes[i]);
            to[written++] = kept < 0x80 ? kept : KeptByte(kept);
        }
    }
    out.resize(start + written);
}

std::optional<std::size_t> AppendEncodedDoubleBytes(CodePage page, std::u16string_view text, std::string& out) {
    const std::size_t table = DoubleByteTable(page);
    const std::size_t start = out.size();
    out.resize(start + 2 * text.size());
    char* to = out.data() + start;
    std::size_t written = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + kAsciiBlock <= text.size() && NarrowAsciiBlock(text.data() + i, to + written)) {
            i += kAsciiBlock - 1;
            written += kAsciiBlock;
            continue;
        }
        const char16_t c = text[i];
        if (c < 0x80 || IsByteKeptAsItWas(c)) {
            to[written++] = static_cast<char>(c & 0xFF);
            continue;
        }
        const std::uint16_t block = icu_tables::kDoubleByteEncodeBlockOf[table][c >> 8];
        const std::uint16_t code = icu_tables::kDoubleByteEncodeBlocks[block][c & 0xFF];
        if (code == 0) {
            out.resize(start + written);
            return i;
        }
        if (code > 0xFF)
            to[written++] = static_cast<char>(code >> 8);
        to[written++] = static_cast<char>(code & 0xFF);
    }
    out.resize(start + written);
    return std::nullopt;
}

bool ReadsAsDoubleByteText(CodePage page, std::string_view bytes) {
    const std::size_t table = DoubleByteTable(page);
    for (std::size_t i = EndOfAscii(bytes, 0); i < bytes.size(); i = EndOfAscii(bytes, i)) {
        const DoubleByteRead read = ReadDoubleByte(table, bytes, i);
        if (read.length == 0 || IsForeignCharacter(read.character))
            return false;
        i += read.length;
    }
    return true;
}

// --- UTF-8: ICU, with every character checked to go back to its bytes -------------------

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

// Appends the characters ICU made of bytes, each one only when it encodes back to the very
// bytes it came from; the bytes of any other stay as they were. offsets[k] is where the
// bytes of units[k] start.
void AppendCheckedCharacters(UConverter* converter, const char16_t* units, const int32_t* offsets, std::size_t count,
                             std::string_view bytes, std::u16string& out) {
    // An ASCII byte is its own character wherever a character starts.
    const bool asciiAsItself = std::all_of(offsets, offsets + count, [&](const int32_t& offset) {
        const std::size_t k = static_cast<std::size_t>(&offset - offsets);
        return units[k] >= 0x80 || units[k] == static_cast<unsigned char>(bytes[static_cast<std::size_t>(offset)]);
    });
    if (const auto back = asciiAsItself ? Encoded(converter, units, count) : std::nullopt; back && *back == bytes) {
        out.append(units, count);
        return;
    }
    for (std::size_t k = 0; k < count;) {
        const std::size_t length = IsHighSurrogate(units[k]) && k + 1 < count ? 2 : 1;
        const auto first = static_cast<std::size_t>(offsets[k]);
        const std::size_t end = k + length < count ? static_cast<std::size_t>(offsets[k + length]) : bytes.size();
        const std::string_view own = bytes.substr(first, end - first);
        if (own.size() == 1 && static_cast<unsigned char>(own[0]) < 0x80) {
            out.push_back(static_cast<unsigned char>(own[0]));
        } else if (const auto back = Encoded(converter, units + k, length); back && *back == own) {
            out.append(units + k, length);
        } else {
            for (const char byte : own)
                out.push_back(static_cast<unsigned char>(byte) < 0x80 ? static_cast<unsigned char>(byte)
                                                                      : KeptByte(static_cast<unsigned char>(byte)));
        }
        k += length;
    }
}

// A run of bytes without a line break: decoded up to whatever ICU cannot take, whose first
// byte stays as it was, and on from the byte after it.
void AppendDecodedRun(UConverter* converter, std::string_view run, std::u16string& out) {
    std::vector<char16_t> units(run.size() + 1);
    std::vector<int32_t> offsets(run.size() + 1);
    const IcuConverterFunctions& icu = *IcuConverters();
    while (!run.empty()) {
        icu.resetToUnicode(converter);
        UChar* target = reinterpret_cast<UChar*>(units.data());
        const char* source = run.data();
        UErrorCode error = U_ZERO_ERROR;
        icu.toUnicode(converter, &target, target + units.size(), &source, run.data() + run.size(), offsets.data(), true,
                      &error);
        std::size_t good = static_cast<std::size_t>(source - run.data());
        if (U_FAILURE(error)) {
            char invalid[32];
            int8_t invalidLength = sizeof invalid;
            UErrorCode ignored = U_ZERO_ERROR;
            icu.getInvalidChars(converter, invalid, &invalidLength, &ignored);
            good -= std::min<std::size_t>(good, static_cast<std::size_t>(invalidLength));
        }
        const auto produced = static_cast<std::size_t>(target - reinterpret_cast<UChar*>(units.data()));
        AppendCheckedCharacters(converter, units.data(), offsets.data(), produced, run.substr(0, good), out);
        run.remove_prefix(good);
        if (U_FAILURE(error) && !run.empty()) {
            out.push_back(KeptByte(static_cast<unsigned char>(run.front())));
            run.remove_prefix(1);
        }
    }
}

void AppendDecodedUtf8(CodePage page, std::string_view bytes, std::u16string& out) {
    const Converter converter = OpenConverter(page);
    out.reserve(out.size() + bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // ASCII bytes are characters of their own wherever a character may start, and a line
        // break never ends a character.
        const std::size_t asciiEnd = EndOfAscii(bytes, i);
        AppendAscii(bytes.substr(i, asciiEnd - i), out);
        i = asciiEnd;
        std::size_t end = i;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end == i)
            continue;
        if (converter) {
            AppendDecodedRun(converter.get(), bytes.substr(i, end - i), out);
        } else {
            for (; i < end; ++i)
                out.push_back(KeptByte(static_cast<unsigned char>(bytes[i])));
        }
        i = end;
    }
}

std::optional<std::size_t> AppendEncodedUtf8(CodePage page, std::u16string_view text, std::string& out) {
    const Converter converter = OpenConverter(page);
    for (std::size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (c < 0x80) {
            const std::size_t asciiEnd = EndOfAscii(text, i);
            AppendAscii(text.substr(i, asciiEnd - i), out);
            i = asciiEnd;
            continue;
        }
        if (IsByteKeptAsItWas(c)) {
            out.push_back(static_cast<char>(c & 0xFF));
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] >= 0x80 && !IsByteKeptAsItWas(text[end]))
            ++end;
        if (const auto bytes = converter ? Encoded(converter.get(), text.data() + i, end - i) : std::nullopt) {
            out += *bytes;
            i = end;
            continue;
        }
        // Which one it was: the characters before it are written.
        for (; i < end;) {
            const std::size_t length = IsHighSurrogate(text[i]) && i + 1 < end ? 2 : 1;
            const auto one = converter ? Encoded(converter.get(), text.data() + i, length) : std::nullopt;
            if (!one)
                return i;
            out += *one;
            i += length;
        }
    }
    return std::nullopt;
}

// Well-formed UTF-8 as Unicode defines it (its table 3-7), which is what ICU's converter takes
// without a stop: no overlong form, no surrogate, nothing past U+10FFFF, no sequence cut
// short. Checked here because every form with a byte past ASCII is asked whether it is
// UTF-8, and most are not: that question should not load ICU.
bool IsWellFormedUtf8(std::string_view bytes) {
    const auto byteAt = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (std::size_t i = EndOfAscii(bytes, 0); i < bytes.size(); i = EndOfAscii(bytes, i)) {
        const unsigned lead = byteAt(i);
        std::size_t following = 0;
        unsigned secondLow = 0x80;
        unsigned secondHigh = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            secondLow = lead == 0xE0 ? 0xA0 : 0x80;
            secondHigh = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            secondLow = lead == 0xF0 ? 0x90 : 0x80;
            secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + following >= bytes.size())
            return false;
        if (byteAt(i + 1) < secondLow || byteAt(i + 1) > secondHigh)
            return false;
        for (std::size_t k = 2; k <= following; ++k)
            if ((byteAt(i + k) & 0xC0) != 0x80)
                return false;
        i += following + 1;
    }
    return true;
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

}  // namespace

std::string_view LowerCaseName(CodePage page) {
    return FactsOf(page).lowerCaseName;
}

std::string_view DisplayName(CodePage page) {
    return FactsOf(page).displayName;
}

std::optional<CodePage> CodePageNamed(std::string_view name) {
    const std::string lowered = Lowered(name);
    for (const CodePageFacts& facts : kFacts) {
        const std::string number = std::to_string(facts.number);
        if (lowered == facts.lowerCaseName || lowered == number || lowered == "cp" + number ||
            lowered == "windows-" + number || lowered == "ms" + number)
            return facts.page;
    }
    // Any other name ICU knows (sjis, ms_kanji, uhc, utf8...) that leads to one of the same
    // converters.
    const Converter named = OpenNamedConverter(lowered.c_str());
    if (!named)
        return std::nullopt;
    const IcuConverterFunctions& icu = *IcuConverters();
    UErrorCode error = U_ZERO_ERROR;
    const std::string canonical = icu.getName(named.get(), &error);
    for (const CodePageFacts& facts : kFacts) {
        UErrorCode ignored = U_ZERO_ERROR;
        const Converter ours = OpenNamedConverter(facts.converter);
        if (ours && canonical == icu.getName(ours.get(), &ignored))
            return facts.page;
    }
    return std::nullopt;
}

bool IsEastAsian(CodePage page) {
    return page == CodePage::ShiftJis || page == CodePage::Gbk || page == CodePage::UnifiedHangul ||
           page == CodePage::Big5;
}

bool IsLatin(CodePage page) {
    return page == CodePage::Windows1250 || page == CodePage::Windows1252 || page == CodePage::Windows1254 ||
           page == CodePage::Windows1257 || page == CodePage::Windows1258;
}

void AppendDecoded(CodePage page, std::string_view bytes, std::u16string& out) {
    if (IsSingleByte(page))
        AppendDecodedBytes(page, bytes, out);
    else if (IsDoubleByte(page))
        AppendDecodedDoubleBytes(page, bytes, out);
    else
        AppendDecodedUtf8(page, bytes, out);
}

std::optional<std::size_t> AppendEncoded(CodePage page, std::u16string_view text, std::string& out) {
    if (IsSingleByte(page))
        return AppendEncodedBytes(page, text, out);
    if (IsDoubleByte(page))
        return AppendEncodedDoubleBytes(page, text, out);
    return AppendEncodedUtf8(page, text, out);
}

bool ReadsAsText(CodePage page, std::string_view bytes) {
    if (IsSingleByte(page)) {
        const char16_t(&decode)[256] = DecodeTableOf(page);
        return std::none_of(bytes.begin(), bytes.end(), [&decode](char byte) {
            return IsForeignCharacter(decode[static_cast<unsigned char>(byte)]);
        });
    }
    if (IsDoubleByte(page))
        return ReadsAsDoubleByteText(page, bytes);
    return IsWellFormedUtf8(bytes);
}

}  // namespace tremaro
