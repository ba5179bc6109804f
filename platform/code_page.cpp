#include "platform/code_page.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>
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
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// A converter that stops at whatever it cannot convert and never writes a "best fit".
Converter OpenConverter(CodePage page) {
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(FactsOf(page).converter, &error));
    if (U_FAILURE(error))
        return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFallback(converter.get(), false);
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// The bytes of units in the code page, or nothing when it cannot hold one of them.
std::optional<std::string> Encoded(UConverter* converter, const char16_t* units, std::size_t count) {
    ucnv_resetFromUnicode(converter);
    std::string bytes(count * 4 + 4, '\0');
    char* target = bytes.data();
    const UChar* source = reinterpret_cast<const UChar*>(units);
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, bytes.data() + bytes.size(), &source, source + count, nullptr, true, &error);
    if (U_FAILURE(error))
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(target - bytes.data()));
    return bytes;
}

// --- Single-byte code pages: a table for each, filled from ICU once --------------------

struct ByteTable {
    std::array<char16_t, 256> decode{};
    std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000);  // byte + 1, or 0
};

ByteTable BuildByteTable(CodePage page) {
    ByteTable table;
    const Converter converter = OpenConverter(page);
    for (unsigned byte = 0; byte < 256; ++byte) {
        table.decode[byte] = KeptByte(static_cast<unsigned char>(byte));
        if (!converter)
            continue;
        ucnv_resetToUnicode(converter.get());
        const char in = static_cast<char>(byte);
        UChar out[4];
        UErrorCode error = U_ZERO_ERROR;
        const int32_t count = ucnv_toUChars(converter.get(), out, 4, &in, 1, &error);
        if (U_FAILURE(error) || count != 1)
            continue;
        const auto character = static_cast<char16_t>(out[0]);
        const auto back = Encoded(converter.get(), &character, 1);
        if (back && *back == std::string(1, in) && !IsByteKeptAsItWas(character))
            table.decode[byte] = character;
    }
    for (unsigned byte = 0; byte < 256; ++byte)
        table.encode[table.decode[byte]] = static_cast<std::uint16_t>(byte + 1);
    return table;
}

const ByteTable& TableOf(CodePage page) {
    static std::array<std::once_flag, std::size(kFacts)> built;
    static std::array<std::unique_ptr<ByteTable>, std::size(kFacts)> tables;
    const auto index = static_cast<std::size_t>(page);
    std::call_once(built[index], [page, index] { tables[index] = std::make_unique<ByteTable>(BuildByteTable(page)); });
    return *tables[index];
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

void AppendDecodedBytes(const ByteTable& table, std::string_view bytes, std::u16string& out) {
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    char16_t* to = out.data() + start;
    for (std::size_t i = 0; i < bytes.size();) {
        if (i + kAsciiBlock <= bytes.size() && WidenAsciiBlock(bytes.data() + i, to + i)) {
            i += kAsciiBlock;
        } else {
            to[i] = table.decode[static_cast<unsigned char>(bytes[i])];
            ++i;
        }
    }
}

std::optional<std::size_t> AppendEncodedBytes(const ByteTable& table, std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* to = out.data() + start;
    for (std::size_t i = 0; i < text.size();) {
        if (i + kAsciiBlock <= text.size() && NarrowAsciiBlock(text.data() + i, to + i)) {
            i += kAsciiBlock;
            continue;
        }
        const std::uint16_t byte = table.encode[text[i]];
        if (byte == 0) {
            out.resize(start + i);
            return i;
        }
        to[i++] = static_cast<char>(byte - 1);
    }
    return std::nullopt;
}

// --- Multibyte code pages: ICU, with every character checked to go back to its bytes ---

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

// Appends the characters ICU made of bytes, each one only when it encodes back to the very
// bytes it came from; the bytes of any other stay as they were. offsets[k] is where the
// bytes of units[k] start.
void AppendCheckedCharacters(UConverter* converter, const char16_t* units, const int32_t* offsets, std::size_t count,
                             std::string_view bytes, std::u16string& out) {
    // An ASCII byte is its own character wherever a character starts (IBM's tables for
    // Shift-JIS trade three control codes among themselves, which Windows does not).
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
    while (!run.empty()) {
        ucnv_resetToUnicode(converter);
        UChar* target = reinterpret_cast<UChar*>(units.data());
        const char* source = run.data();
        UErrorCode error = U_ZERO_ERROR;
        ucnv_toUnicode(converter, &target, target + units.size(), &source, run.data() + run.size(), offsets.data(),
                       true, &error);
        std::size_t good = static_cast<std::size_t>(source - run.data());
        if (U_FAILURE(error)) {
            char invalid[32];
            int8_t invalidLength = sizeof invalid;
            UErrorCode ignored = U_ZERO_ERROR;
            ucnv_getInvalidChars(converter, invalid, &invalidLength, &ignored);
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

void AppendDecodedMultibyte(CodePage page, std::string_view bytes, std::u16string& out) {
    const Converter converter = OpenConverter(page);
    out.reserve(out.size() + bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // ASCII bytes are characters of their own in each of these code pages wherever a
        // character may start, and a line break never ends a character.
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
            out.push_back(static_cast<unsigned char>(bytes[i++]));
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

std::optional<std::size_t> AppendEncodedMultibyte(CodePage page, std::u16string_view text, std::string& out) {
    const Converter converter = OpenConverter(page);
    for (std::size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (c < 0x80 || IsByteKeptAsItWas(c)) {
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

bool IsForeignCharacter(char16_t c) {
    return IsByteKeptAsItWas(c) || (c >= 0x80 && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF);
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

}  // namespace

int WindowsNumber(CodePage page) {
    return FactsOf(page).number;
}

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
    UErrorCode error = U_ZERO_ERROR;
    const Converter named(ucnv_open(lowered.c_str(), &error));
    if (U_FAILURE(error) || !named)
        return std::nullopt;
    const std::string canonical = ucnv_getName(named.get(), &error);
    for (const CodePageFacts& facts : kFacts) {
        UErrorCode ignored = U_ZERO_ERROR;
        const Converter ours(ucnv_open(facts.converter, &ignored));
        if (ours && canonical == ucnv_getName(ours.get(), &ignored))
            return facts.page;
    }
    return std::nullopt;
}

bool IsEastAsian(CodePage page) {
    return page == CodePage::ShiftJis || page == CodePage::Gbk || page == CodePage::UnifiedHangul ||
           page == CodePage::Big5;
}

void AppendDecoded(CodePage page, std::string_view bytes, std::u16string& out) {
    if (IsSingleByte(page))
        AppendDecodedBytes(TableOf(page), bytes, out);
    else
        AppendDecodedMultibyte(page, bytes, out);
}

std::optional<std::size_t> AppendEncoded(CodePage page, std::u16string_view text, std::string& out) {
    if (IsSingleByte(page))
        return AppendEncodedBytes(TableOf(page), text, out);
    return AppendEncodedMultibyte(page, text, out);
}

bool ReadsAsText(CodePage page, std::string_view bytes) {
    if (IsSingleByte(page)) {
        const ByteTable& table = TableOf(page);
        return std::none_of(bytes.begin(), bytes.end(), [&table](char byte) {
            return IsForeignCharacter(table.decode[static_cast<unsigned char>(byte)]);
        });
    }
    // One pass that stops at the first sequence the code page does not have: text of another
    // code page is told at once.
    const Converter converter = OpenConverter(page);
    if (!converter)
        return false;
    std::u16string text(bytes.size() + 1, u'\0');
    UChar* target = reinterpret_cast<UChar*>(text.data());
    const char* source = bytes.data();
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter.get(), &target, target + text.size(), &source, bytes.data() + bytes.size(), nullptr, true,
                   &error);
    if (U_FAILURE(error))
        return false;
    text.resize(static_cast<std::size_t>(target - reinterpret_cast<UChar*>(text.data())));
    return page == CodePage::Utf8 || std::none_of(text.begin(), text.end(), IsForeignCharacter);
}

}  // namespace tremaro
