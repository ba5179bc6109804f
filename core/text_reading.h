#pragma once

#include "platform/code_page.h"

#include <string>
#include <string_view>

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
    std::u16string text;      // of a single-byte page: the text as it reads there
    double shareInWords = 0;  // of the characters above ASCII, those in words of one script fitting the page
    int unread = 0;           // bytes left undefined or not decoded
};

Reading ReadingIn(CodePage page, std::string_view words);

// The words of lines that hold a byte of 128 or more, each followed by a blank: all the text
// a reading needs, a fraction of the bytes of a form of many ASCII properties.
std::string WordsAboveAscii(std::string_view lines);

// The share of the bytes of 128 or more that stand in valid UTF-8 sequences of two bytes or
// more: none at all in ANSI text of any length, all of them in a form an editor saved.
double ShareInUtf8Sequences(std::string_view bytes);

}  // namespace tremaro
