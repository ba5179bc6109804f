#include "platform/text_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace tremaro {
namespace {

std::vector<std::u16string> Lines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    for (const std::u16string_view line : SplitIntoLines(text))
        lines.emplace_back(line);
    return lines;
}

TEST(TextLines, crLfAndALoneCrOrLfEachEndALine) {
    EXPECT_EQ(Lines(u"a\r\nb\rc\nd\n\re"), (std::vector<std::u16string>{u"a", u"b", u"c", u"d", u"", u"e"}));
    EXPECT_EQ(Lines(u"a\r\n\r\n"), (std::vector<std::u16string>{u"a", u""}));
    EXPECT_TRUE(Lines(u"").empty());
    // Breaks at every place of the eight characters looked at in one step, and in the tail.
    for (std::size_t place = 0; place < 20; ++place) {
        std::u16string text(20, u'x');
        text[place] = u'\r';
        const auto lines = Lines(text);
        ASSERT_EQ(lines.size(), place == 19 ? 1u : 2u) << place;
        EXPECT_EQ(lines[0].size(), place);
    }
}

TEST(TextLines, lineNumbers_countEveryKindOfBreak) {
    const std::u16string text = u"a\r\nb\rc\nd";
    EXPECT_EQ(LineNumberAt(text, 0), 1u);
    EXPECT_EQ(LineNumberAt(text, 1), 1u);  // its CR
    EXPECT_EQ(LineNumberAt(text, 3), 2u);
    EXPECT_EQ(LineNumberAt(text, 5), 3u);
    EXPECT_EQ(LineNumberAt(text, 7), 4u);
}

TEST(TextLines, moreLinesThanAllowed_leaveTheSpansAsTheyWere) {
    std::vector<LineSpan> spans(1);
    EXPECT_FALSE(AppendLineSpans(u"1\n2\n3\n", spans, 2));
    EXPECT_EQ(spans.size(), 1u);
    EXPECT_TRUE(AppendLineSpans(u"1\n2\n3", spans, 3));
    ASSERT_EQ(spans.size(), 4u);
    EXPECT_EQ(spans[3].start, 4u);
    EXPECT_EQ(spans[3].length, 1u);
}

}  // namespace
}  // namespace tremaro
