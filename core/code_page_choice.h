#pragma once

#include "platform/code_page.h"

#include <cstdint>
#include <string_view>

namespace tremaro {

// What a form's code page was decided from; it decides what a correction may write into the
// form in that code page's name (the Charset of a font group it adds).
enum class CodePageBasis : std::uint8_t {
    OwnText,   // the form's own bytes of 128 or more, weighed with what its fonts and designer say
    OwnFonts,  // a form of ASCII alone whose font groups name a script
    Nothing,   // a form of ASCII alone that names no script: the code page is a fallback
    Folder,    // the forms of its folder that say clearly what they were written in
    Operator,  // chosen by hand
};

struct CodePageDecision {
    CodePage page = CodePage::Windows1251;
    CodePageBasis basis = CodePageBasis::Nothing;
    // False when the text could well be of another code page (no font names the script, the
    // detector and the words disagree or say little): the operator should look before saving.
    bool certain = true;
};

inline CodePageDecision ChosenByHand(CodePage page) {
    return {page, CodePageBasis::Operator, true};
}

// The code page a form file was written in, told from its bytes by weight of evidence. Every
// code page is a candidate and gathers the witnesses for it over the whole text:
// - strong: the Charset values of the form's font groups (the designer writes the font's
//   script there, though many forms keep the Western 0 whatever their text, so 0 weighs less);
//   the comments an East Asian edition of the designer writes after its named values; bytes
//   that are valid UTF-8 with characters of two bytes or more;
// - medium: what the statistical detector hears in the text; how much of the text reads as
//   words of one script in the code page (Greek bytes read as Western come out as accented
//   letters with no plain letter among them, Spanish read as Cyrillic mixes two scripts in a
//   word); for a few East Asian words with no fonts, whose lead and trail bytes fit the page;
// - weak: each byte the code page leaves undefined or cannot decode costs a little. Such a
//   byte is kept as it is and written back unchanged; one of them never rules a page out.
// The weights are one table in the source. Of two Latin code pages that read the text the
// same, the Western one is taken: the form says nothing that tells them apart.
//
// A form holding only ASCII reads the same in every code page; it gets the one its font
// groups name most often (the first in the file on a tie), else Windows-1251, the code page
// of the forms this tool was made for, which then decides nothing the correction writes.
CodePageDecision DecideCodePage(std::string_view bytes);

// DEFAULT_CHARSET: the font takes the script of the system it is shown on.
inline constexpr int kSystemDefaultCharset = 1;

// The Charset value a font group written in the code page carries: the one that names it
// (204 for Windows-1251), 1 (the system's default) for UTF-8, which none names.
int CharsetOf(CodePage page);

// Whether a Charset value names a script (0 Western, 204 Cyrillic, 128 Japanese...); 1
// (the system's default), 2 (symbols) and 255 (OEM) name none.
bool NamesAScript(long charset);

}  // namespace tremaro
