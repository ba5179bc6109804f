#include "platform/code_page.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

TEST(CodePage, everyByteSurvivesARoundTrip) {
    const std::string bytes = testing::EveryByteValue();
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

// Plain ASCII is encoded sixteen characters at a time; a character the code page cannot hold
// must be found in every place of such a block, also one below U+0100 (ä would otherwise come
// out as its low byte, which is д).
TEST(CodePage, refusesACharacterItCannotHoldInEveryPlaceOfABlock) {
    for (const char16_t refused : {u'ä', u'\u0100', u'\u4E2D'}) {
        for (std::size_t place = 0; place < 32; ++place) {
            std::u16string text(32, u'x');
            text[place] = refused;
            std::string out;
            EXPECT_EQ(AppendEncodedCodePage(text, out), place) << place;
            EXPECT_EQ(out, std::string(place, 'x'));
        }
    }
    std::string out;
    EXPECT_EQ(AppendEncodedCodePage(u"0123456789abcdeä", out), 15u);
}

}  // namespace
}  // namespace tremaro
