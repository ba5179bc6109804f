#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tremaro {

// The code pages a form file can be written in: the ANSI code pages of Windows, in which the
// form designer saves, and UTF-8 for forms that an editor saved since. The conversions are
// ICU's (ucnv); what is ours is that every byte comes back as it was. A byte a code page
// leaves undefined, a sequence that is not valid in a multibyte code page, and a sequence
// whose character would be written back as other bytes each become a character of its own
// for each byte, U+DC80 to U+DCFF, which encodes back to that byte and to nothing else (as
// a lone low surrogate it is no character anyone types). So decoding and encoding again
// gives back the bytes, whatever they hold, in every code page. Nothing is ever written
// with a "best fit": a character the code page cannot hold as itself is refused.

enum class CodePage : std::uint8_t {
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Windows874,
    ShiftJis,       // 932
    Gbk,            // 936
    UnifiedHangul,  // 949
    Big5,           // 950
    Utf8,
};

// In the order the operator is offered them.
inline constexpr CodePage kCodePages[] = {
    CodePage::Windows1250, CodePage::Windows1251, CodePage::Windows1252,   CodePage::Windows1253, CodePage::Windows1254,
    CodePage::Windows1255, CodePage::Windows1256, CodePage::Windows1257,   CodePage::Windows1258, CodePage::Windows874,
    CodePage::ShiftJis,    CodePage::Gbk,         CodePage::UnifiedHangul, CodePage::Big5,        CodePage::Utf8,
};

// As the command line prints it: "windows-1252", "windows-874", "shift_jis", "gbk", "cp949",
// "big5", "utf-8".
std::string_view LowerCaseName(CodePage page);

// As the operator reads it in a message or a menu: "Windows-1252", "Shift-JIS", "GBK",
// "Unified Hangul", "Big5", "UTF-8".
std::string_view DisplayName(CodePage page);

// The code page a name means, spelled as iconv and ICU spell them ("windows-1252", "cp1252",
// "1252", "shift_jis", "cp932", "gbk", "uhc", "big5", "utf-8"... in any case of letters), or
// nothing for a name of none of them.
std::optional<CodePage> CodePageNamed(std::string_view name);

// Chinese, Japanese and Korean: two bytes make most characters.
bool IsEastAsian(CodePage page);

// Central European, Western, Turkish, Baltic and Vietnamese: the Latin script, with accented
// letters of their own above ASCII.
bool IsLatin(CodePage page);

// Appends the characters of bytes to out.
void AppendDecoded(CodePage page, std::string_view bytes, std::u16string& out);

// Appends the bytes of text to out. Returns the index of the first character that the code
// page cannot hold (nothing appended from there on), or nothing when all fitted.
std::optional<std::size_t> AppendEncoded(CodePage page, std::u16string_view text, std::string& out);

// Whether bytes read as text in the code page: no undefined byte, no invalid sequence, and no
// character that text in it would not hold (a C1 control, a character of the private use
// area), which is what a byte of another code page usually becomes.
bool ReadsAsText(CodePage page, std::string_view bytes);

// Whether the character stands for a byte that was no character of the code page.
inline bool IsByteKeptAsItWas(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

}  // namespace tremaro
