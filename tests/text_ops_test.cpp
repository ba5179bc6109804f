#include "platform/text_ops.h"

#include <gtest/gtest.h>

#include <string>

namespace tremaro {
namespace {

// The search looks at eight characters at a time; a hit in any place of a block, in the
// tail after the last whole block, or before the starting point must all come out right.
TEST(FindCharacter, findsTheFirstAtOrAfterTheStartInBlocksAndTail) {
    const std::u16string text = u"0123456789abcdef=xyz=";
    EXPECT_EQ(FindCharacter(text, u'='), 16u);
    EXPECT_EQ(FindCharacter(text, u'=', 17), 20u);
    EXPECT_EQ(FindCharacter(text, u'7'), 7u);
    EXPECT_EQ(FindCharacter(text, u'q'), std::u16string_view::npos);
    EXPECT_EQ(FindCharacter(u"", u'='), std::u16string_view::npos);
    for (std::size_t place = 0; place < 24; ++place) {
        std::u16string probe(24, u' ');
        probe[place] = u'\'';
        EXPECT_EQ(FindCharacter(probe, u'\''), place);
    }
}

// Blanks are counted a block at a time from either end: a word in any place of a line of
// blanks and tabs, of any length around the blocks' sizes, in UTF-16 and in bytes alike.
TEST(TrimmedText, dropsBlanksAndTabsAtBothEndsWhereverTheWordStands) {
    for (std::size_t length = 0; length <= 40; ++length) {
        for (std::size_t place = 0; place < length; ++place) {
            std::u16string text(length, u' ');
            for (std::size_t i = 0; i < length; i += 3)
                text[i] = u'\t';
            text[place] = u'X';
            if (place + 1 < length)
                text[place + 1] = u'y';
            const std::size_t wordLength = place + 1 < length ? 2 : 1;
            SCOPED_TRACE(testing::Message() << "length " << length << ", word at " << place);
            EXPECT_EQ(TrimmedText(text), std::u16string_view(text).substr(place, wordLength));
            const std::string bytes(text.begin(), text.end());
            EXPECT_EQ(TrimmedText(bytes), std::string_view(bytes).substr(place, wordLength));
        }
        const std::u16string blanks(length, u'\t');
        EXPECT_EQ(LeadingBlanks(blanks), length);
        EXPECT_EQ(TrailingBlanks(std::string(length, ' ')), length);
    }
    EXPECT_EQ(TrimmedText(u"  a\u2020b\u00A0  "), u"a\u2020b\u00A0") << "only ASCII blanks and tabs are blanks";
}

}  // namespace
}  // namespace tremaro
