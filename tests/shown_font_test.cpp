#include "core/shown_font.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

int Shown(std::u16string name, double size) {
    FormFont font;
    font.name = std::move(name);
    font.size = size;
    return ShownFontPixels(font);
}

// Pixels at 96 dots per inch are points times 4/3: 8 points are 10.67 and so 11 pixels, 10 are
// 13, 12 are 16, 14 are 19, 18 are 24 and 24 are 32.
TEST(ShownFontTest, msSansSerif_comesInItsSizesOnly_andNeverBelowEightPoints) {
    EXPECT_EQ(Shown(u"MS Sans Serif", 8.25), 11);
    EXPECT_EQ(Shown(u"MS Sans Serif", 4.95), 11);   // 8.25 at 60 %: asks 7 pixels, gets 8 points
    EXPECT_EQ(Shown(u"MS Sans Serif", 9.75), 13);   // what the designer writes for 10 points
    EXPECT_EQ(Shown(u"MS Sans Serif", 11), 13);     // asks 15 pixels: the 10-point face
    EXPECT_EQ(Shown(u"MS Sans Serif", 12.37), 16);  // 8.25 at 150 %
    EXPECT_EQ(Shown(u"ms sans serif", 14.25), 19);  // names read without regard to case
    EXPECT_EQ(Shown(u"MS Sans Serif", 24.75), 32);  // 8.25 at 300 %
    EXPECT_EQ(Shown(u"MS Sans Serif", 72), 32);
}

TEST(ShownFontTest, otherBitmapFaces_takeTheirOwnSizes_andScalableFacesTheSizeAskedFor) {
    EXPECT_EQ(Shown(u"Courier", 9), 13);   // below its smallest, 10 points
    EXPECT_EQ(Shown(u"Courier", 14), 16);  // 19 pixels: 12 points, not 15 (20 pixels)
    EXPECT_EQ(Shown(u"Courier", 15), 20);
    EXPECT_EQ(Shown(u"MS Serif", 6), 11);
    EXPECT_EQ(Shown(u"System", 20), 13);
    EXPECT_EQ(Shown(u"Terminal", 10), 12);     // 9 points
    EXPECT_EQ(Shown(u"Small Fonts", 1), 3);    // 2 points
    EXPECT_EQ(Shown(u"Small Fonts", 6.3), 8);  // 8 pixels asked: 6 points; 7 would be 9

    EXPECT_EQ(Shown(u"Arial", 4.95), 7);
    EXPECT_EQ(Shown(u"Microsoft Sans Serif", 4.95), 7);  // the TrueType one scales
    EXPECT_EQ(Shown(u"Tahoma", 12.37), 16);
    EXPECT_EQ(Shown(u"Times New Roman", 9.6), 13);
    EXPECT_EQ(Shown(u"Arial", 0.1), 1);
}

}  // namespace
}  // namespace tremaro
