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

}  // namespace
}  // namespace tremaro
