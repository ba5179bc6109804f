// Run by the build: writes ICU's answers for the single-byte code pages and for letters as a
// C++ source (platform/icu_tables.h declares them), so that the programs look them up in
// their own read-only data instead of loading ICU at every start.
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
    const Converter converter = OpenConverter(name);
    if (!converter) {
        std::fprintf(stderr, "make_icu_tables: ICU has no converter %s\n", name);
        std::exit(1);
    }
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
    out << "};\n\n}  // namespace tremaro::icu_tables\n";

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
