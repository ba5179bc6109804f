#include "platform/code_page.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>

namespace tremaro {
namespace {

// A code page as Debian's locales package describes it (/usr/share/i18n/charmaps), read at
// test time: an independent table of the character of each byte it defines.
std::map<unsigned char, char16_t> Charmap(const std::string& name) {
    std::map<unsigned char, char16_t> charmap;
    const std::string command = "gzip -dc /usr/share/i18n/charmaps/" + name + ".gz";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe)
        return charmap;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get())) {
        unsigned code = 0;
        unsigned byte = 0;
        if (std::sscanf(line, "<U%4x> /x%2x", &code, &byte) == 2)
            charmap[static_cast<unsigned char>(byte)] = static_cast<char16_t>(code);
    }
    return charmap;
}

std::u16string Decoded(CodePage page, std::string_view bytes) {
    std::u16string text;
    AppendDecoded(page, bytes, text);
    return text;
}

TEST(CodePage, everyByteOfTheWindowsCodePagesDecodesAsDebiansCharmapSays) {
    const std::pair<CodePage, const char*> pages[] = {
        {CodePage::Windows1250, "CP1250"}, {CodePage::Windows1251, "CP1251"}, {CodePage::Windows1252, "CP1252"},
        {CodePage::Windows1253, "CP1253"}, {CodePage::Windows1254, "CP1254"}, {CodePage::Windows1255, "CP1255"},
        {CodePage::Windows1256, "CP1256"}, {CodePage::Windows1257, "CP1257"}, {CodePage::Windows1258, "CP1258"}};
    for (const auto& [page, name] : pages) {
        const std::map<unsigned char, char16_t> charmap = Charmap(name);
        ASSERT_GE(charmap.size(), 230u) << "the charmap " << name << " of the locales package could not be read";
        const std::u16string text = Decoded(page, testing::EveryByteValue());
        ASSERT_EQ(text.size(), 256u) << name;
        for (const auto& [byte, character] : charmap)
            EXPECT_EQ(text[byte], character) << name << " byte " << int{byte};
    }
}

// Whatever the bytes, decoding and encoding again gives them back, in every code page: an
// undefined byte, half a character, a sequence that is no character.
TEST(CodePage, everyByteValueAndEveryPairSurvivesARoundTripInEveryCodePage) {
    for (const CodePage page : kCodePages) {
        const std::string every = testing::EveryByteValue();
        std::string again;
        ASSERT_FALSE(AppendEncoded(page, Decoded(page, every), again)) << LowerCaseName(page);
        EXPECT_EQ(again, every) << LowerCaseName(page);
        if (!IsEastAsian(page) && page != CodePage::Utf8)
            continue;
        std::string pairs;
        for (unsigned lead = 0x80; lead < 0x100; ++lead)
            for (unsigned trail = 0; trail < 0x100; ++trail)
                if (trail != '\r' && trail != '\n')
                    pairs += {static_cast<char>(lead), static_cast<char>(trail), ' '};
        again.clear();
        ASSERT_FALSE(AppendEncoded(page, Decoded(page, pairs), again)) << LowerCaseName(page);
        EXPECT_TRUE(again == pairs) << LowerCaseName(page) << ": a pair of bytes did not come back";
    }
}

TEST(CodePage, multibyteTextReadsAsItsCharacters) {
    EXPECT_EQ(Decoded(CodePage::Gbk, "\xD0\xC5\xBA\xC5 OK"), u"信号 OK");
    EXPECT_EQ(Decoded(CodePage::ShiftJis, "\x90\x4D\x8D\x86\x8B\x40"), u"信号機");
    EXPECT_EQ(Decoded(CodePage::Big5, "\xAB\x48\xB8\xB9"), u"信號");
    EXPECT_EQ(Decoded(CodePage::UnifiedHangul, "\xB4\xDD\xB1\xE2"), u"닫기");
    EXPECT_EQ(Decoded(CodePage::Utf8, "Secci\xC3\xB3n"), u"Sección");
    EXPECT_EQ(Decoded(CodePage::Windows1250, "el\xF5leg"), u"előleg");
    // Half a character at the end, and a byte that is none, stay the bytes they were.
    EXPECT_EQ(Decoded(CodePage::Gbk, "a\xD0"), std::u16string(u"a\xDCD0"));
    EXPECT_EQ(Decoded(CodePage::Utf8, "\xC3("), std::u16string(u"\xDCC3("));
    // A character Shift-JIS has under two codes is read only where it stands under the code a
    // save writes it as; under the other it stays its bytes, which still read as text.
    EXPECT_EQ(Decoded(CodePage::ShiftJis, "\xFA\x5C"), u"\u7E8A");
    EXPECT_EQ(Decoded(CodePage::ShiftJis, "\xED\x40"), std::u16string(u"\xDCED\x40"));
    EXPECT_TRUE(ReadsAsText(CodePage::ShiftJis, "\xED\x40"));
}

// Plain ASCII is encoded sixteen characters at a time; a character the code page cannot hold
// must be found in every place of such a block, also one below U+0100 (ä would otherwise come
// out as its low byte, which is д in Windows-1251).
TEST(CodePage, refusesACharacterItCannotHoldInEveryPlace) {
    for (const auto& [page, refused] :
         {std::pair{CodePage::Windows1251, u'ä'}, std::pair{CodePage::Windows1251, u'\u0100'},
          std::pair{CodePage::Windows1251, u'\u4E2D'}, std::pair{CodePage::Windows1252, u'д'},
          std::pair{CodePage::Gbk, u'\u0E01'}, std::pair{CodePage::ShiftJis, u'\u0E01'},
          // a soft hyphen or a joiner the page has not: refused, never written as nothing
          std::pair{CodePage::Gbk, u'\u00AD'}, std::pair{CodePage::Big5, u'\u200D'}}) {
        for (std::size_t place : {0, 1, 7, 8, 15, 16, 17, 31, 5000, 9999}) {  // far into a long text too
            std::u16string text(place < 32 ? 32 : 10000, u'x');
            text[place] = refused;
            std::string out;
            EXPECT_EQ(AppendEncoded(page, text, out), place) << LowerCaseName(page) << " " << place;
            EXPECT_EQ(out, std::string(place, 'x'));
        }
    }
    std::string out;
    EXPECT_EQ(AppendEncoded(CodePage::Windows1251, u"0123456789abcdeä", out), 15u);
    EXPECT_EQ(AppendEncoded(CodePage::Utf8, u"a\xD800", out), 1u);  // a lone half of a pair
}

TEST(CodePage, isNamedAsIconvAndIcuSpellIt) {
    EXPECT_EQ(CodePageNamed("windows-1252"), CodePage::Windows1252);
    EXPECT_EQ(CodePageNamed("CP1252"), CodePage::Windows1252);
    EXPECT_EQ(CodePageNamed("1251"), CodePage::Windows1251);
    EXPECT_EQ(CodePageNamed("shift_jis"), CodePage::ShiftJis);
    EXPECT_EQ(CodePageNamed("cp932"), CodePage::ShiftJis);
    EXPECT_EQ(CodePageNamed("SJIS"), CodePage::ShiftJis);
    EXPECT_EQ(CodePageNamed("GBK"), CodePage::Gbk);
    EXPECT_EQ(CodePageNamed("cp949"), CodePage::UnifiedHangul);
    EXPECT_EQ(CodePageNamed("big5"), CodePage::Big5);
    EXPECT_EQ(CodePageNamed("utf8"), CodePage::Utf8);
    EXPECT_EQ(CodePageNamed("windows-874"), CodePage::Windows874);
    EXPECT_FALSE(CodePageNamed("koi8-r"));
    EXPECT_FALSE(CodePageNamed("no such code page"));
    for (const CodePage page : kCodePages)
        EXPECT_EQ(CodePageNamed(LowerCaseName(page)), page);
}

TEST(CodePage, readsAsTextOnlyInTheCodePageOfTheText) {
    EXPECT_TRUE(ReadsAsText(CodePage::Windows1251, "\xCF\xF0\xE8\xEC\xE5\xF0"));
    EXPECT_FALSE(ReadsAsText(CodePage::Windows1251, "\x98"));
    EXPECT_FALSE(ReadsAsText(CodePage::Windows1252, "\x81"));
    EXPECT_TRUE(ReadsAsText(CodePage::Utf8, "Secci\xC3\xB3n"));
    EXPECT_FALSE(ReadsAsText(CodePage::Utf8, "Secci\xF3n"));
    // UTF-8 as Unicode defines it, as ICU's converter takes it: no overlong form, no surrogate,
    // nothing past U+10FFFF, nothing cut short.
    EXPECT_TRUE(ReadsAsText(CodePage::Utf8, "\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF \xEF\xBF\xBF"));
    for (const std::string_view wrong :
         {"\xC0\xAF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xF5"})
        EXPECT_FALSE(ReadsAsText(CodePage::Utf8, wrong)) << ::testing::PrintToString(wrong);
    EXPECT_TRUE(ReadsAsText(CodePage::Gbk, "\xD0\xC5\xBA\xC5"));
    EXPECT_FALSE(ReadsAsText(CodePage::Gbk, "\xD0"));
    EXPECT_FALSE(ReadsAsText(CodePage::Big5, "\xD0\x20"));
}

}  // namespace
}  // namespace tremaro
