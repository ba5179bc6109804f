#include "platform/unicode.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

TEST(Unicode, convertsBothWays) {
    const std::u16string text = u"Записан е файл \U0001F600.";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"Чете"), "Чете");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
}

// Each script's range by its edges, where a character of one block sits beside another's.
TEST(Unicode, tellsScriptsAtTheEdgesOfTheirRanges) {
    EXPECT_EQ(ScriptOf(u'@'), Script::None);
    EXPECT_EQ(ScriptOf(u'Z'), Script::Latin);
    EXPECT_EQ(ScriptOf(u'['), Script::None);
    EXPECT_EQ(ScriptOf(u'\u00D7'), Script::None);  // the multiplication sign among the Latin letters
    EXPECT_EQ(ScriptOf(u'\u00D8'), Script::Latin);
    EXPECT_EQ(ScriptOf(u'\u02AF'), Script::Latin);
    EXPECT_EQ(ScriptOf(u'\u02B0'), Script::None);
    EXPECT_EQ(ScriptOf(u'\u0301'), Script::Mark);
    EXPECT_EQ(ScriptOf(u'\u03FF'), Script::Greek);
    EXPECT_EQ(ScriptOf(u'\u0400'), Script::Cyrillic);
    EXPECT_EQ(ScriptOf(u'\u052F'), Script::Cyrillic);
    EXPECT_EQ(ScriptOf(u'\u0530'), Script::None);
    EXPECT_EQ(ScriptOf(u'\u05D0'), Script::Hebrew);
    EXPECT_EQ(ScriptOf(u'\u066D'), Script::None);
    EXPECT_EQ(ScriptOf(u'\u066E'), Script::Arabic);
    EXPECT_EQ(ScriptOf(u'\u0E3A'), Script::Thai);
    EXPECT_EQ(ScriptOf(u'\u0E3B'), Script::None);
    EXPECT_EQ(ScriptOf(u'\u20AC'), Script::None);  // the euro sign
    EXPECT_EQ(ScriptOf(u'\u3004'), Script::CjkSymbol);
    EXPECT_EQ(ScriptOf(u'\u3005'), Script::Han);
    EXPECT_EQ(ScriptOf(u'\u30A0'), Script::Kana);
    EXPECT_EQ(ScriptOf(u'\u9FFF'), Script::Han);
    EXPECT_EQ(ScriptOf(u'\uAC00'), Script::Hangul);
    EXPECT_EQ(ScriptOf(u'\uD7A4'), Script::None);
    EXPECT_EQ(ScriptOf(u'\uFF66'), Script::Kana);
    EXPECT_EQ(ScriptOf(u'\uFFEE'), Script::CjkSymbol);
    EXPECT_EQ(ScriptOf(u'\uFFEF'), Script::None);
}

}  // namespace
}  // namespace tremaro
