#include "platform/code_page.h"
#include "platform/unicode.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

TEST(CodePage, everyByteSurvivesARoundTrip) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    const std::u16string text = DecodeCodePage(bytes);
    std::string again;
    EXPECT_FALSE(AppendEncodedCodePage(text, again));
    EXPECT_EQ(again, bytes);
}

TEST(CodePage, mapsCyrillicAndTheUnassignedByte) {
    EXPECT_EQ(DecodeCodePageByte(0xC0), u'А');
    EXPECT_EQ(DecodeCodePageByte(0xFF), u'я');
    EXPECT_EQ(DecodeCodePageByte(0xA8), u'Ё');
    EXPECT_EQ(DecodeCodePageByte(0x88), u'€');
    EXPECT_EQ(DecodeCodePageByte(0x98), u'\u0098');
    EXPECT_EQ(EncodeCodePageChar(u'ъ'), 0xFA);
    EXPECT_EQ(EncodeCodePageChar(u'\0'), 0x00);
}

TEST(CodePage, refusesCharactersItCannotHold) {
    EXPECT_FALSE(EncodeCodePageChar(u'ä'));
    EXPECT_FALSE(EncodeCodePageChar(u'\u4E2D'));
    EXPECT_FALSE(EncodeCodePageChar(u'\u0080'));
    std::string out;
    EXPECT_EQ(AppendEncodedCodePage(u"ab\u4E2Dc", out), 2u);
    EXPECT_EQ(out, "ab");
}

TEST(Unicode, convertsBothWays) {
    const std::u16string text = u"Записан е файл \U0001F600.";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"Чете"), "Чете");
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
}

}  // namespace
}  // namespace tremaro
