#pragma once

#include "platform/code_page.h"

#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// How a form's words read in one code page, which is most of what tells the page they were
// written in: a text read in its own page is made of words of one script; read in another, its
// letters come out as another script's, as symbols, as a jumble of two scripts in one word, or
// as bytes that are no character at all. The single-byte pages are read through their tables;
// the East Asian ones by the ranges of the standards behind them and UTF-8 by hand, so that
// weighing a European form in them loads no converter.

inline bool IsAboveAscii(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

struct Reading {
    std::u16string text;      // of a single-byte page: the distinct words as they read there
    double shareInWords = 0;  // of the characters above ASCII, those in words of one script fitting the page
    int unread = 0;           // bytes left undefined or not decoded
};

// One word of the text and how often it comes. A word reads the same wherever it stands, and
// a form repeats its few words hundreds of times ("Поле" in every caption), so each is read once
// in each page and weighed by its count.
struct CountedWord {
    std::string_view word;  // with the blank after it
    std::size_t count = 0;
};

// The reading of the words (of WordsAboveAscii), the same as that of the text they come from.
Reading ReadingIn(CodePage page, const std::vector<CountedWord>& words);

// The words of lines that hold a byte of 128 or more, each followed by a blank: all the text
// a reading needs, a fraction of the bytes of a form of many ASCII properties.
std::string WordsAboveAscii(std::string_view lines);

// The distinct words of WordsAboveAscii's text, in the order each first comes, with their counts.
std::vector<CountedWord> CountedWords(std::string_view words);

// The share of the bytes of 128 or more that stand in valid UTF-8 sequences of two bytes or
// more: none at all in ANSI text of any length, all of them in a form an editor saved.
double ShareInUtf8Sequences(std::string_view bytes);

}  // namespace tremaro
