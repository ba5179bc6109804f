#pragma once

#include "platform/code_page.h"

#include <string_view>

namespace tremaro {

// The code page a form file was written in, told from its bytes. A form holding only ASCII
// reads the same in every code page; it gets the one its font groups name most often in
// their Charset values (the first one in the file on a tie), else Windows-1251, the code page
// of the forms this tool was made for; that code page then decides only the Charset of a
// font group a correction adds.
//
// A form with other bytes is decided from these signals, in this order, each found right on
// real forms of many languages:
// - bytes that are valid UTF-8 with a character of two bytes or more: UTF-8 (no ANSI text of
//   any length reads as UTF-8 by chance);
// - the comments a Chinese, Japanese or Korean edition of the designer writes after its
//   named values ('Windows の既定値, '窗口缺省), in the code page they are valid in;
// - a Chinese, Japanese or Korean Charset of the form's font groups, when the bytes are
//   valid in its code page (its fonts may be East Asian while the text is not);
// - the statistical detector (uchardet) naming an East Asian code page the bytes are valid in;
// - a Charset other than 0 (Western) that the bytes read as text in, the most frequent one:
//   the designer writes the font's own script there;
// - the detector naming Cyrillic, Greek, Hebrew, Arabic or Thai that the bytes read as text
//   in: many Cyrillic forms keep fonts that say 0;
// - with no font groups at all, bytes that come in pairs and read as no script's letters:
//   the East Asian code page their lead and trail bytes fit;
// - the detector naming a Latin code page other than Western, when that reads the text other
//   than Western does (ő, ş, ā) and no font group says the form is Western;
// - Western when a font group says 0, else Windows-1251.
CodePage ChooseCodePage(std::string_view bytes);

// The Charset value a font group written in the code page carries: the one that names it
// (204 for Windows-1251), 1 (the system's default) for UTF-8, which none names.
int CharsetOf(CodePage page);

}  // namespace tremaro
