// Run by the build: writes ICU's answers for the Windows code pages as a C++ source
// (platform/icu_tables.h declares them), so that the programs look them up in their own
// read-only data instead of loading ICU and its 30 MB of data for a form.
//   make_icu_tables OUTPUT.cpp

#include <unicode/uclean.h>
#include <unicode/ucnv.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// In the order of tremaro::CodePage.
constexpr const char* kSingleBytePages[] = {"windows-1250", "windows-1251", "windows-1252", "windows-1253",
                                            "windows-1254", "windows-1255", "windows-1256", "windows-1257",
                                            "windows-1258", "windows-874"};

// In the order of tremaro::CodePage: Shift-JIS, GBK, Unified Hangul, Big5.
constexpr const char* kDoubleBytePages[] = {"windows-31j", "windows-936", "windows-949", "windows-950"};

char16_t KeptByte(unsigned byte) {
    return static_cast<char16_t>(0xDC00 + byte);
}

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

// A converter that stops at whatever it cannot convert and never writes a "best fit".
Converter OpenConverter(const char* name) {
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &error));
    if (U_FAILURE(error))
        return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFallback(converter.get(), false);
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// Stops the build, saying why: the words are written one after another.
template <typename... Words>
[[noreturn]] void Fail(const Words&... words) {
    std::ostringstream why;
    (why << ... << words);
    std::fprintf(stderr, "make_icu_tables: %s\n", why.str().c_str());
    std::exit(1);
}

Converter OpenConverterOrFail(const char* name) {
    Converter converter = OpenConverter(name);
    if (!converter)
        Fail("ICU has no converter ", name);
    return converter;
}

std::optional<std::string> Encoded(UConverter* converter, char16_t character) {
    ucnv_resetFromUnicode(converter);
    char bytes[8];
    char* target = bytes;
    const UChar* source = reinterpret_cast<const UChar*>(&character);
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, bytes + sizeof bytes, &source, source + 1, nullptr, true, &error);
    if (U_FAILURE(error))
        return std::nullopt;
    return std::string(bytes, target);
}

// A byte's character only where it encodes back to that byte alone, so that every byte comes
// back as it was; any other byte stays as it was, as U+DC00 + the byte.
std::array<char16_t, 256> DecodeTable(const char* name) {
    std::array<char16_t, 256> table{};
    const Converter converter = OpenConverterOrFail(name);
    for (unsigned byte = 0; byte < 256; ++byte) {
        table[byte] = KeptByte(byte);
        ucnv_resetToUnicode(converter.get());
        const char in = static_cast<char>(byte);
        UChar out[4];
        UErrorCode error = U_ZERO_ERROR;
        const int32_t count = ucnv_toUChars(converter.get(), out, 4, &in, 1, &error);
        if (U_FAILURE(error) || count != 1)
            continue;
        const auto character = static_cast<char16_t>(out[0]);
        const bool keptByte = character >= 0xDC80 && character <= 0xDCFF;
        if (Encoded(converter.get(), character) == std::string(1, in) && !keptByte)
            table[byte] = character;
    }
    return table;
}

using EncodeBlock = std::array<std::uint16_t, 256>;

// The block's number in blocks, added when it is new.
std::size_t BlockNumber(const EncodeBlock& block, std::vector<EncodeBlock>& blocks) {
    for (std::size_t number = 0; number < blocks.size(); ++number)
        if (blocks[number] == block)
            return number;
    blocks.push_back(block);
    return blocks.size() - 1;
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// --- Double-byte code pages -------------------------------------------------------------

// What ICU reads in bytes when it takes all of them as one character, or nothing.
std::optional<char16_t> ReadAsOne(UConverter* converter, const std::string& bytes, const char* name) {
    ucnv_resetToUnicode(converter);
    UChar out[4];
    UErrorCode error = U_ZERO_ERROR;
    const int32_t count = ucnv_toUChars(converter, out, 4, bytes.data(), static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error))
        return std::nullopt;
    // The tables hold one UTF-16 unit per character: a page that reads a pair of bytes as
    // two units (or a character past U+FFFF) needs another layout.
    if (count != 1)
        Fail(name, " reads ", bytes.size(), " bytes as ", count, " units");
    return static_cast<char16_t>(out[0]);
}

// A byte from 0x80 on, alone or leading a pair: the character ICU reads there (0 where it
// reads none), and whether it encodes back to the very bytes it came from.
struct DoubleBytePage {
    std::array<char16_t, 128> lone{};
    std::array<bool, 128> loneReadsBack{};
    std::vector<std::array<char16_t, 256>> pair = std::vector<std::array<char16_t, 256>>(128);
    std::vector<std::array<bool, 256>> pairReadsBack = std::vector<std::array<bool, 256>>(128);
    std::array<EncodeBlock, 256> encode{};  // by the character's high byte: its bytes, 0 for none
};

DoubleBytePage ReadDoubleBytePage(const char* name) {
    const Converter converter = OpenConverterOrFail(name);
    DoubleBytePage page;
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        const std::string alone(1, static_cast<char>(lead));
        if (const auto character = ReadAsOne(converter.get(), alone, name)) {
            page.lone[lead - 0x80] = *character;
            page.loneReadsBack[lead - 0x80] = Encoded(converter.get(), *character) == alone;
            continue;
        }
        for (unsigned trail = 0; trail < 0x100; ++trail) {
            const std::string both{static_cast<char>(lead), static_cast<char>(trail)};
            if (const auto character = ReadAsOne(converter.get(), both, name)) {
                if (*character == 0)
                    Fail(name, " reads a pair as U+0000");
                page.pair[lead - 0x80][trail] = *character;
                page.pairReadsBack[lead - 0x80][trail] = Encoded(converter.get(), *character) == both;
            }
        }
    }
    for (unsigned character = 0x80; character < 0x10000; ++character) {
        if (character >= 0xD800 && character < 0xE000)
            continue;  // half of a pair, or a byte kept as it was
        const auto bytes = Encoded(converter.get(), static_cast<char16_t>(character));
        // ICU writes a few characters as nothing (a soft hyphen in windows-31j): the page
        // holds none of them, and a character must never vanish from a form unsaid.
        if (!bytes || bytes->empty())
            continue;
        const auto first = static_cast<unsigned char>((*bytes)[0]);
        std::uint16_t code = 0;
        if (bytes->size() == 1 && first != 0)
            code = first;
        else if (bytes->size() == 2 && first >= 0x81)
            code = static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>((*bytes)[1]));
        else
            Fail(name, " writes the character ", Hex(character), " as ", bytes->size(), " bytes");
        page.encode[character >> 8][character & 0xFF] = code;
    }
    return page;
}

// A row of an array, its values indented by depth, sixteen to a line.
template <typename Value, std::size_t count>
void WriteRow(std::ostringstream& out, const std::array<Value, count>& row, std::size_t depth) {
    const std::string indent(depth, ' ');
    out << "{";
    for (std::size_t k = 0; k < count; ++k) {
        if (k % 16 == 0)
            out << "\n" << indent;
        else
            out << " ";
        out << Hex(row[k]) << ",";
    }
    out << "\n" << indent.substr(4) << "},\n";
}

// Whether each of count characters reads back, eight to a byte.
template <std::size_t count>
std::array<std::uint8_t, count / 8> Bits(const std::array<bool, count>& readsBack) {
    std::array<std::uint8_t, count / 8> bits{};
    for (std::size_t k = 0; k < count; ++k)
        bits[k / 8] = static_cast<std::uint8_t>(bits[k / 8] | (readsBack[k] ? 1u << (k % 8) : 0u));
    return bits;
}

void WriteDoubleBytePages(std::ostringstream& out) {
    std::vector<DoubleBytePage> pages;
    for (const char* name : kDoubleBytePages)
        pages.push_back(ReadDoubleBytePage(name));
    out << "const char16_t kLoneByte[kDoubleBytePageCount][128] = {\n";
    for (std::size_t k = 0; k < pages.size(); ++k) {
        out << "    // " << kDoubleBytePages[k] << "\n    ";
        WriteRow(out, pages[k].lone, 8);
    }
    out << "};\n\nconst std::uint8_t kLoneByteReadsBack[kDoubleBytePageCount][16] = {\n";
    for (const DoubleBytePage& page : pages) {
        out << "    ";
        WriteRow(out, Bits(page.loneReadsBack), 8);
    }
    out << "};\n\nconst char16_t kPair[kDoubleBytePageCount][128][256] = {\n";
    for (std::size_t k = 0; k < pages.size(); ++k) {
        out << "    // " << kDoubleBytePages[k] << "\n    {\n";
        for (const auto& row : pages[k].pair) {
            out << "        ";
            WriteRow(out, row, 12);
        }
        out << "    },\n";
    }
    out << "};\n\nconst std::uint8_t kPairReadsBack[kDoubleBytePageCount][128][32] = {\n";
    for (const DoubleBytePage& page : pages) {
        out << "    {\n";
        for (const auto& row : page.pairReadsBack) {
            out << "        ";
            WriteRow(out, Bits(row), 12);
        }
        out << "    },\n";
    }
    std::vector<EncodeBlock> blocks(1);  // block 0: no character
    out << "};\n\nconst std::uint16_t kDoubleByteEncodeBlockOf[kDoubleBytePageCount][256] = {\n";
    for (const DoubleBytePage& page : pages) {
        std::array<std::uint16_t, 256> numbers{};
        for (unsigned high = 0; high < 256; ++high)
            numbers[high] = static_cast<std::uint16_t>(BlockNumber(page.encode[high], blocks));
        out << "    ";
        WriteRow(out, numbers, 8);
    }
    out << "};\n\nconst std::uint16_t kDoubleByteEncodeBlocks[][256] = {\n";
    for (const EncodeBlock& block : blocks) {
        out << "    ";
        WriteRow(out, block, 8);
    }
    out << "};\n\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icu_tables OUTPUT.cpp\n");
        return 2;
    }
    std::ostringstream out;
    out << "// Written by make_icu_tables from ICU " << U_ICU_VERSION << " at build time; not to be edited.\n"
        << "#include \"platform/icu_tables.h\"\n\nnamespace tremaro::icu_tables {\n\n";

    std::vector<EncodeBlock> blocks(1);  // block 0: no character
    std::vector<std::array<std::size_t, 256>> blockOf;
    out << "const char16_t kDecode[kSingleBytePageCount][256] = {\n";
    for (const char* name : kSingleBytePages) {
        const std::array<char16_t, 256> decode = DecodeTable(name);
        out << "    // " << name << "\n    {";
        for (unsigned byte = 0; byte < 256; ++byte)
            out << (byte % 16 == 0 ? "\n        " : " ") << Hex(decode[byte]) << ",";
        out << "\n    },\n";
        std::array<EncodeBlock, 256> encode{};
        for (unsigned byte = 0; byte < 256; ++byte)
            encode[decode[byte] >> 8][decode[byte] & 0xFF] = static_cast<std::uint16_t>(byte + 1);
        std::array<std::size_t, 256> numbers{};
        for (unsigned high = 0; high < 256; ++high)
            numbers[high] = BlockNumber(encode[high], blocks);
        blockOf.push_back(numbers);
    }
    out << "};\n\nconst std::uint8_t kEncodeBlockOf[kSingleBytePageCount][256] = {\n";
    for (const auto& numbers : blockOf) {
        out << "    {";
        for (unsigned high = 0; high < 256; ++high)
            out << (high % 32 == 0 ? "\n        " : " ") << numbers[high] << ",";
        out << "\n    },\n";
    }
    if (blocks.size() > 256) {
        std::fprintf(stderr, "make_icu_tables: %zu blocks do not fit a byte\n", blocks.size());
        return 1;
    }
    out << "};\n\nconst std::uint16_t kEncodeBlocks[][256] = {\n";
    for (const EncodeBlock& block : blocks) {
        out << "    {";
        for (unsigned low = 0; low < 256; ++low)
            out << (low % 16 == 0 ? "\n        " : " ") << block[low] << ",";
        out << "\n    },\n";
    }
    out << "};\n\n";
    WriteDoubleBytePages(out);
    out << "}  // namespace tremaro::icu_tables\n";

    // Written only when it changed, so that a new run of the build compiles nothing again.
    std::string old;
    if (std::ifstream existing{argv[1]}) {
        std::ostringstream held;
        held << existing.rdbuf();
        old = held.str();
    }
    if (old != out.str()) {
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file) {
            std::fprintf(stderr, "make_icu_tables: cannot write %s\n", argv[1]);
            return 1;
        }
    }
    u_cleanup();  // ICU's caches given back, so that a build under a leak checker passes
    return 0;
}
