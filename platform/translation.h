#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tremaro {

// The programs speak the operator's language through GNU gettext (in the C library): a text
// is written once, in Bulgarian, and that text is its key in each language's catalogue
// (po/LANGUAGE.po, made into LANGUAGE/LC_MESSAGES/tremaro.mo at build time). Bulgarian is
// what is shown when no catalogue answers: a Bulgarian, unset, C or POSIX locale, or a
// language nobody has translated.
//
// Only the messages' category is taken from the locale: numbers, and the form's own code
// page, never depend on it.

// Chooses the language as gettext does, from LC_ALL, LC_MESSAGES and LANG (and LANGUAGE).
// A locale the machine has not generated still gets its language's catalogue.
void UseLanguageOfEnvironment();

// The language a test or a child run asks for by name ("en", "bg_BG.UTF-8").
void UseLanguage(const std::string& locale);

// The language the texts are shown in, as its catalogue names it ("en"), or "bg" when none
// answered: for what is translated elsewhere (Qt's own dialogs).
std::string LanguageShown();

// Marks a text that is translated where it is shown, not where it is written (a table of
// texts): the catalogue's tools find it by this name.
constexpr const char* Translatable(const char* text) {
    return text;
}

// The text in the operator's language, UTF-8.
const char* Translated(const char* text);

// The form of a sentence about count things that the language asks for (Bulgarian and English
// have two: one, and any other count).
const char* TranslatedPlural(const char* one, const char* other, unsigned long count);

// pattern with %1 … %9 replaced by the arguments of those numbers: a translation puts them
// where its own word order needs them. An argument is put in as it is, never read for
// placeholders of its own (a file may be named "100%1.frm"); a % that names no argument stays.
std::string Filled(std::string_view pattern, std::span<const std::string> arguments);
std::string Filled(std::string_view pattern, std::initializer_list<std::string> arguments);

}  // namespace tremaro
