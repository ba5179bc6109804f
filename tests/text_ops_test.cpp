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

}  // namespace
}  // namespace tremaro
