#include "platform/code_page.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

namespace tremaro {
namespace {

// Windows-1251 as Debian's locales package describes it (/usr/share/i18n/charmaps), read at
// test time: an independent table of every byte's character. The one byte it leaves
// undefined, 0x98, is not in it.
std::map<unsigned char, char16_t> CharmapOfCp1251() {
    std::map<unsigned char, char16_t> charmap;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen("gzip -dc /usr/share/i18n/charmaps/CP1251.gz", "r"),
                                                     ::pclose);
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

TEST(CodePage, everyByteDecodesAsTheCharmapSays) {
    const std::map<unsigned char, char16_t> charmap = CharmapOfCp1251();
    ASSERT_EQ(charmap.size(), 255u) << "the charmap of the locales package could not be read";
    std::u16string text;
    AppendDecodedCodePage(testing::EveryByteValue(), text);
    ASSERT_EQ(text.size(), 256u);
    for (unsigned byte = 0; byte < 256; ++byte) {
        const auto found = charmap.find(static_cast<unsigned char>(byte));
        if (found != charmap.end()) {
            EXPECT_EQ(text[byte], found->second) << "byte " << byte;
        }
    }
}

TEST(CodePage, everyByteSurvivesARoundTrip) {
    const std::string bytes = testing::EveryByteValue();
    std::u16string text;
    AppendDecodedCodePage(bytes, text);
    std::string again;
    EXPECT_FALSE(AppendEncodedCodePage(text, again));
    EXPECT_EQ(again, bytes);
}

// Plain ASCII is encoded sixteen characters at a time; a character the code page cannot hold
// must be found in every place of such a block, also one below U+0100 (ä would otherwise come
// out as its low byte, which is д).
TEST(CodePage, refusesACharacterItCannotHoldInEveryPlaceOfABlock) {
    for (const char16_t refused : {u'ä', u'\u0100', u'\u4E2D', u'\u0080'}) {
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
