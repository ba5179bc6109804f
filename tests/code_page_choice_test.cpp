#include "core/code_page_choice.h"
#include "core/text_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tremaro {
namespace {

// Texts of several languages as their code pages write them.
const std::string kChinese = "\xD3\xC3\xBB\xA7\xC3\xFB\xB3\xC6 \xC3\xDC\xC2\xEB \xC8\xB7\xB6\xA8 \xC8\xA1\xCF\xFB";
const std::string kJapanese =
    "\x83\x86\x81[\x83U\x81[\x96\xBC\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2 "
    "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD";
const std::string kTraditionalChinese = "\xA8\xCF\xA5\xCE\xAA\xCC\xA6W\xBA\xD9 \xB1K\xBDX \xBDT\xA9w \xA8\xFA\xAE\xF8";
const std::string kKoreanWords = "\xB4\xDD\xB1\xE2 \xC8\xAE\xC0\xCE";
const std::string kGreek =
    "\xBC\xED\xEF\xEC\xE1 \xF7\xF1\xDE\xF3\xF4\xE7 \xCA\xF9\xE4\xE9\xEA\xFC\xF2 "
    "\xF0\xF1\xFC\xF3\xE2\xE1\xF3\xE7\xF2";
const std::string kHungarian = "El\xF5leg \xF6sszege \xE9s fizet\xE9si hat\xE1rid\xF5";
const std::string kSpanish = "Secci\xF3n de configuraci\xF3n";
const std::string kRussian =
    "\xC8\xEC\xFF \xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFF \xCF\xE0\xF0\xEE\xEB\xFC "
    "\xCE\xF2\xEC\xE5\xED\xE0";

// A form with the caption and a font group for each Charset value, as the designer writes
// them, and any further lines of its own.
CodePage ChooseCodePage(std::string_view bytes) {
    return DecideCodePage(bytes).page;
}

std::string Form(const std::string& caption, const std::vector<int>& charsets, const std::string& more = "") {
    std::string form = "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption         =   \"" + caption + "\"\r\n";
    for (const int charset : charsets)
        form += "   BeginProperty Font\r\n      Name            =   \"Arial\"\r\n      Charset         =   " +
                std::to_string(charset) + "\r\n   EndProperty\r\n";
    return form + more + "End\r\n";
}

// Each distinct word is read once in each page, but weighs as often as it comes: three
// captions holding a byte that Windows-1253 leaves undefined (D2) are three unread bytes, and
// their letters three times as many characters outside any word as one Greek word's.
TEST(TextReading, aWordThatComesAgainWeighsEachTime) {
    const std::string lines =
        "Caption = \"\xD2\xE1\"\nTag = \"\xD2\xE1\"\nToolTipText = \"\xD2\xE1\"\n"
        "Caption = \"\xE1\xE2\"\n";
    const std::string words = WordsAboveAscii(lines);
    const Reading reading = ReadingIn(CodePage::Windows1253, CountedWords(words));
    EXPECT_EQ(reading.unread, 3);
    EXPECT_DOUBLE_EQ(reading.shareInWords, 2.0 / 8.0);
}

TEST(CodePageChoice, asciiForm_takesItsFontGroupsMostFrequentCharset) {
    EXPECT_EQ(ChooseCodePage(Form("Form1", {})), CodePage::Windows1251);
    EXPECT_EQ(ChooseCodePage(Form("Form1", {0, 238, 0})), CodePage::Windows1252);
    EXPECT_EQ(ChooseCodePage(Form("Form1", {238, 0})), CodePage::Windows1250);  // a tie: the first
    EXPECT_EQ(ChooseCodePage(Form("Form1", {1, 2, 161})), CodePage::Windows1253);
    EXPECT_EQ(ChooseCodePage(Form("Form1", {1})), CodePage::Windows1251);
    EXPECT_EQ(ChooseCodePage(Form("Form1", {134})), CodePage::Gbk);
    // Only groups whose name ends in Font count, in any case; a Charset elsewhere says nothing.
    EXPECT_EQ(ChooseCodePage("Begin VB.Form F\r\n BeginProperty headfont\r\n  Charset = 162\r\n EndProperty\r\n"
                             " Charset = 0\r\n BeginProperty Images\r\n  Charset = 0\r\n EndProperty\r\nEnd\r\n"),
              CodePage::Windows1254);
}

// A © says nothing of any script: the form is decided as one of ASCII alone, but the operator
// is told it was a guess.
TEST(CodePageChoice, bytesNoWitnessSpeaksFor_decideNothing) {
    const CodePageDecision copyright = DecideCodePage(Form("Copyright \xA9 2007", {}));
    EXPECT_EQ(copyright.page, CodePage::Windows1251);
    EXPECT_EQ(copyright.basis, CodePageBasis::Nothing);
    EXPECT_FALSE(copyright.certain);
    EXPECT_TRUE(DecideCodePage(Form("Copyright (c) 2007", {})).certain);
    EXPECT_TRUE(DecideCodePage(Form(kGreek, {161})).certain);
}

TEST(CodePageChoice, validUtf8_isUtf8WhateverTheFontsSay) {
    EXPECT_EQ(ChooseCodePage(Form("Secci\xC3\xB3n", {0, 204})), CodePage::Utf8);
    EXPECT_EQ(ChooseCodePage("\xEF\xBB\xBF" + Form("\xD0\x98\xD0\xBC\xD1\x8F", {})), CodePage::Utf8);
}

TEST(CodePageChoice, anEastAsianCharset_whenTheBytesAreValidInIt) {
    EXPECT_EQ(ChooseCodePage(Form(kChinese, {134})), CodePage::Gbk);
    EXPECT_EQ(ChooseCodePage(Form(kJapanese, {0, 128})), CodePage::ShiftJis);
    EXPECT_EQ(ChooseCodePage(Form(kTraditionalChinese, {136})), CodePage::Big5);
    // East Asian fonts on a Russian form: the bytes are no Shift-JIS.
    EXPECT_EQ(ChooseCodePage(Form(kRussian, {128})), CodePage::Windows1251);
}

TEST(CodePageChoice, theDesignersCommentsTellItsEdition) {
    const std::string comment = "   StartUpPosition =   3  '\xB4\xB0\xBF\xDA\xC8\xB1\xCA\xA1\r\n";  // '窗口缺省
    EXPECT_EQ(ChooseCodePage(Form("\xB2\xE2\xCA\xD4", {0}, comment)), CodePage::Gbk);
}

TEST(CodePageChoice, theDetectorWhereTheFontsSayNothingOrWestern) {
    EXPECT_EQ(ChooseCodePage(Form(kJapanese + " " + kJapanese, {})), CodePage::ShiftJis);
    EXPECT_EQ(ChooseCodePage(Form(kRussian, {0, 0})), CodePage::Windows1251);  // Cyrillic under Western fonts
    EXPECT_EQ(ChooseCodePage(Form(kGreek, {})), CodePage::Windows1253);
    EXPECT_EQ(ChooseCodePage(Form(kSpanish, {0})), CodePage::Windows1252);
    // In one short word the detector hears Baltic; the Western font outweighs it.
    EXPECT_EQ(ChooseCodePage(Form("A\xF1o", {0})), CodePage::Windows1252);
    EXPECT_EQ(ChooseCodePage(Form(kHungarian, {0})), CodePage::Windows1250);  // ő is not Western
}

TEST(CodePageChoice, aCharsetOtherThanWestern_namesTheScript) {
    EXPECT_EQ(ChooseCodePage(Form(kGreek, {161})), CodePage::Windows1253);
    EXPECT_EQ(ChooseCodePage(Form(kHungarian, {238})), CodePage::Windows1250);
    EXPECT_EQ(ChooseCodePage(Form("\xC7\xE0\xEF\xEE\xE2\xE5\xE4", {204, 0, 0})), CodePage::Windows1251);
}

TEST(CodePageChoice, aFewEastAsianWordsWithoutFonts_areToldByTheirPairs) {
    EXPECT_EQ(ChooseCodePage(Form(kKoreanWords, {})), CodePage::UnifiedHangul);
}

TEST(CodePageChoice, charsetOfAnInsertedFontGroup_namesTheCodePage) {
    EXPECT_EQ(CharsetOf(CodePage::Windows1251), 204);
    EXPECT_EQ(CharsetOf(CodePage::Windows1252), 0);
    EXPECT_EQ(CharsetOf(CodePage::Windows874), 222);
    EXPECT_EQ(CharsetOf(CodePage::Utf8), 1);
}

}  // namespace
}  // namespace tremaro
