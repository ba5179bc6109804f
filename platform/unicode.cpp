#include "platform/unicode.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tremaro {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The scripts, by the blocks of the Basic Multilingual Plane, in order of the first character;
// a character in no range is of no script here.
struct ScriptRange {
    char16_t first;
    char16_t last;
    Script script;
};
constexpr ScriptRange kScriptRanges[] = {
    {u'A', u'Z', Script::Latin},         {u'a', u'z', Script::Latin},         {0x00AA, 0x00AA, Script::Latin},
    {0x00BA, 0x00BA, Script::Latin},     {0x00C0, 0x00D6, Script::Latin},     {0x00D8, 0x00F6, Script::Latin},
    {0x00F8, 0x02AF, Script::Latin},     {0x0300, 0x036F, Script::Mark},      {0x0370, 0x03FF, Script::Greek},
    {0x0400, 0x052F, Script::Cyrillic},  {0x0591, 0x05C7, Script::Hebrew},    {0x05D0, 0x05F4, Script::Hebrew},
    {0x0610, 0x061A, Script::Arabic},    {0x0620, 0x065F, Script::Arabic},    {0x066E, 0x06D3, Script::Arabic},
    {0x06D5, 0x06DC, Script::Arabic},    {0x06FA, 0x06FF, Script::Arabic},    {0x0E01, 0x0E3A, Script::Thai},
    {0x0E40, 0x0E4E, Script::Thai},      {0x1100, 0x11FF, Script::Hangul},    {0x1E00, 0x1EFF, Script::Latin},
    {0x3000, 0x3004, Script::CjkSymbol}, {0x3005, 0x3007, Script::Han},       {0x3008, 0x303F, Script::CjkSymbol},
    {0x3041, 0x309F, Script::Kana},      {0x30A0, 0x30FF, Script::Kana},      {0x3131, 0x318E, Script::Hangul},
    {0x31F0, 0x31FF, Script::Kana},      {0x3400, 0x4DBF, Script::Han},       {0x4E00, 0x9FFF, Script::Han},
    {0xAC00, 0xD7A3, Script::Hangul},    {0xF900, 0xFAFF, Script::Han},       {0xFF01, 0xFF65, Script::CjkSymbol},
    {0xFF66, 0xFF9F, Script::Kana},      {0xFFE0, 0xFFEE, Script::CjkSymbol},
};

// The code-page decision asks the script of every character of a form read in each page it
// weighs: the ranges are laid out at build time into blocks of 256 characters, each block
// kept once (most are wholly of no script, or wholly Han), so a character costs two lookups.
using ScriptBlock = std::array<Script, 256>;

constexpr ScriptBlock BlockOfScripts(unsigned high) {
    ScriptBlock block{};
    for (const ScriptRange& range : kScriptRanges)
        for (unsigned c = std::max<unsigned>(range.first, high << 8);
             c <= std::min<unsigned>(range.last, high << 8 | 0xFF); ++c)
            block[c & 0xFF] = range.script;
    return block;
}

constexpr std::size_t CountDistinctBlocks() {
    std::array<ScriptBlock, 256> distinct{};
    std::size_t count = 0;
    for (unsigned high = 0; high < 256; ++high) {
        const ScriptBlock block = BlockOfScripts(high);
        if (std::find(distinct.begin(), distinct.begin() + count, block) == distinct.begin() + count)
            distinct[count++] = block;
    }
    return count;
}

template <std::size_t kBlocks>
struct ScriptTable {
    std::array<std::uint8_t, 256> blockOf{};
    std::array<ScriptBlock, kBlocks> blocks{};
};

constexpr auto MakeScriptTable() {
    ScriptTable<CountDistinctBlocks()> table;
    std::size_t count = 0;
    for (unsigned high = 0; high < 256; ++high) {
        const ScriptBlock block = BlockOfScripts(high);
        const auto found = std::find(table.blocks.begin(), table.blocks.begin() + count, block);
        if (found == table.blocks.begin() + count)
            table.blocks[count++] = block;
        table.blockOf[high] = static_cast<std::uint8_t>(found - table.blocks.begin());
    }
    return table;
}

constexpr auto kScripts = MakeScriptTable();

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Decodes one sequence at pos and moves pos past it.
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int following = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (following < 0 || lead >= 0xF5)
        return kReplacement;
    char32_t code = lead & (0x3F >> following);
    const char32_t minimum = following == 1 ? 0x80 : following == 2 ? 0x800 : 0x10000;
    for (; following > 0; --following) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return kReplacement;
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return kReplacement;
    return code;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        AppendUtf16(out, NextUtf8(utf8, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        const bool high = code >= 0xD800 && code < 0xDC00;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            code = kReplacement;
        }
        AppendUtf8(out, code);
    }
    return out;
}

Script ScriptOf(char16_t c) {
    return kScripts.blocks[kScripts.blockOf[c >> 8]][c & 0xFF];
}

}  // namespace tremaro
