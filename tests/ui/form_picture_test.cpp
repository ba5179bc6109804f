#include "picture/form_picture.h"
#include "preview/preview_command.h"
#include "cli/command_texts.h"
#include "picture/captions.h"
#include "picture/picture_fonts.h"
#include "core/messages.h"
#include "platform/unicode.h"

#include "test_support.h"
#include "qstring_printer.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tremaro {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

std::u16string Text(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// A pale yellow form 6000 x 4500 twips with a button at 1500, 1500 (1200 x 450), a line across
// at 750 twips down, 3 pixels wide, a frame at 3000, 2250 with a button in it, a timer (which
// has no place on the form) and a button on a hidden tab.
const std::string kForm =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form1\r\n"
    "   BackColor       =   &H00C0FFFF&\r\n"
    "   ClientHeight    =   4500\r\n"
    "   ClientWidth     =   6000\r\n"
    "   Begin VB.CommandButton Command1\r\n"
    "      Caption         =   \"OK\"\r\n"
    "      Height          =   450\r\n"
    "      Left            =   1500\r\n"
    "      Top             =   1500\r\n"
    "      Width           =   1200\r\n"
    "   End\r\n"
    "   Begin VB.Line Line1\r\n"
    "      BorderWidth     =   3\r\n"
    "      X1              =   3000\r\n"
    "      X2              =   4500\r\n"
    "      Y1              =   750\r\n"
    "      Y2              =   750\r\n"
    "   End\r\n"
    "   Begin VB.Frame Frame1\r\n"
    "      Height          =   1500\r\n"
    "      Left            =   3000\r\n"
    "      Top             =   2250\r\n"
    "      Width           =   2400\r\n"
    "      Begin VB.CommandButton Inner\r\n"
    "         Height          =   300\r\n"
    "         Left            =   300\r\n"
    "         Top             =   450\r\n"
    "         Width           =   600\r\n"
    "      End\r\n"
    "   End\r\n"
    "   Begin VB.Timer Timer1\r\n"
    "      Height          =   450\r\n"
    "      Left            =   1500\r\n"
    "      Top             =   3000\r\n"
    "      Width           =   1200\r\n"
    "   End\r\n"
    "   Begin VB.CommandButton Hidden\r\n"
    "      Height          =   450\r\n"
    "      Left            =   -73500\r\n"
    "      Top             =   3000\r\n"
    "      Width           =   1200\r\n"
    "   End\r\n"
    "End\r\n";

bool IsBackground(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 192);
}

// A form without a BackColor of its own: the button face.
bool IsBackgroundOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(212, 208, 200);
}

TEST(FormPictureTest, controlsStandAtTheirTwipsOverFifteenTimesTheZoom) {
    const FormModel model = BuildFormModel(Text(kForm));
    for (const double zoom : {1.0, 2.0, 0.5}) {
        const QImage image = RenderFormPicture(model, zoom);
        const auto at = [zoom](int pixelsAt100) { return static_cast<int>(pixelsAt100 * zoom); };
        SCOPED_TRACE(zoom);
        EXPECT_EQ(image.size(), QSize(at(400), at(300)));
        // The button covers 100..179 across and 100..129 down at 100 %, nothing outside.
        EXPECT_FALSE(IsBackground(image, at(100), at(100)));
        EXPECT_FALSE(IsBackground(image, at(180) - 1, at(130) - 1));
        EXPECT_FALSE(IsBackground(image, at(140), at(101)));
        EXPECT_TRUE(IsBackground(image, at(100) - 1, at(100)));
        EXPECT_TRUE(IsBackground(image, at(100), at(100) - 1));
        EXPECT_TRUE(IsBackground(image, at(180), at(129)));
        EXPECT_TRUE(IsBackground(image, at(179), at(130)));
        EXPECT_EQ(ControlRectInPicture(model, 1, zoom), QRect(at(100), at(100), at(80), at(30)));
    }
    // The line runs from 200 to 300 across at 50 down, three pixels thick at 100 %.
    const QImage image = RenderFormPicture(model, 1.0);
    EXPECT_EQ(image.pixel(250, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(250, 49), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(250, 51), qRgb(0, 0, 0));
    EXPECT_TRUE(IsBackground(image, 250, 53));
    EXPECT_TRUE(IsBackground(image, 302, 50));
    // A control in a frame stands relative to the frame.
    EXPECT_EQ(ControlRectInPicture(model, 4, 1.0), QRect(220, 180, 40, 20));
    EXPECT_EQ(image.pixel(220, 180), qRgb(255, 255, 255));  // its raised edge
    EXPECT_EQ(image.pixel(259, 199), qRgb(0, 0, 0));
    // The timer is not drawn: nothing is, below the button and left of the frame.
    for (int y = 131; y < 300; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_TRUE(IsBackground(image, x, y)) << x << "," << y;
}

// A form 6000 x 4500 twips holding these controls, one property to a line.
std::u16string FormHolding(const std::string& controls) {
    return Text("Begin VB.Form Form1\n ClientWidth = 6000\n ClientHeight = 4500\n" + controls + "End\n");
}

std::string Control(const std::string& kind, const std::string& name, int left, int top, int width, int height,
                    const std::string& more = "") {
    return " Begin VB." + kind + " " + name + "\n  Left = " + std::to_string(left) +
           "\n  Top = " + std::to_string(top) + "\n  Width = " + std::to_string(width) +
           "\n  Height = " + std::to_string(height) + "\n" + more + " End\n";
}

// The designer's stock About dialog draws in a user scale, yet its controls stand in twips;
// a pixel form and an inch form likewise. Every control lies where its twips say, inside the
// form, at 15 twips to the pixel.
TEST(FormPictureTest, formsInOtherUnits_haveEveryControlInItsPlace) {
    const FormModel about = BuildFormModel(
        Text("Begin VB.Form frmAbout\n ClientHeight = 3555\n ClientWidth = 5730\n"
             " ScaleHeight = 2453.724\n ScaleMode = 0 'User\n ScaleWidth = 5380.766\n" +
             Control("PictureBox", "picIcon", 240, 240, 540, 540) +
             Control("CommandButton", "cmdOK", 4245, 2625, 1260, 345, "  Caption = \"OK\"\n") +
             " Begin VB.Line Line1\n  X1 = 84.515\n  X2 = 5309.398\n  Y1 = 1687.583\n  Y2 = 1687.583\n End\n"
             "End\n"));
    EXPECT_EQ(FormPictureSize(about, 1.0), QSize(382, 237));
    EXPECT_EQ(ControlRectInPicture(about, 1, 1.0), QRect(16, 16, 36, 36));
    EXPECT_EQ(ControlRectInPicture(about, 2, 1.0), QRect(283, 175, 84, 23));
    EXPECT_EQ(ControlRectInPicture(about, 3, 1.0), QRect(6, 163, 371, 1));  // 90 to 5654 at 2445 twips

    const FormModel pixels =
        BuildFormModel(Text("Begin VB.Form Pixels\n ClientWidth = 8610\n ClientHeight = 3000\n ScaleMode = 3 'Pixel\n" +
                            Control("ListBox", "List1", 90, 120, 8415, 2400) + "End\n"));
    EXPECT_EQ(ControlRectInPicture(pixels, 1, 1.0), QRect(6, 8, 561, 160));
    const FormModel inches =
        BuildFormModel(Text("Begin VB.Form Inches\n ClientWidth = 5760\n ClientHeight = 2880\n ScaleMode = 5 'Inch\n" +
                            Control("CommandButton", "Command1", 1440, 1440, 2880, 375) + "End\n"));
    EXPECT_EQ(ControlRectInPicture(inches, 1, 1.0), QRect(96, 96, 192, 25));
}

const QRgb kFacePixel = qRgb(212, 208, 200);
const QRgb kShadowPixel = qRgb(128, 128, 128);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);

// A check box 100 x 20 pixels at (100, 100): its mark is a sunken box of 13 pixels (or the
// control's height, if less) at its left edge, centred down it, at (100, 103) to (112, 115):
// a grey edge at the top and left, a white one at the bottom and right, white inside; on the
// right with Alignment = 1; a black tick when checked, a grey one on a grey box when greyed.
TEST(FormPictureTest, aCheckBoxsMark_isA13PixelSunkenBoxBesideItsCaption) {
    const auto render = [](const std::string& more, double zoom = 1.0) {
        return RenderFormPicture(
            BuildFormModel(FormHolding(Control("CheckBox", "Check1", 1500, 1500, 1500, 300, more))), zoom);
    };
    const QImage plain = render("");
    EXPECT_EQ(plain.pixel(100, 103), kShadowPixel);  // the box's top left corner
    EXPECT_EQ(plain.pixel(106, 103), kShadowPixel);
    EXPECT_EQ(plain.pixel(106, 102), kFacePixel);   // above it
    EXPECT_EQ(plain.pixel(112, 109), kWhitePixel);  // its right edge
    EXPECT_EQ(plain.pixel(113, 109), kFacePixel);   // beside it
    EXPECT_EQ(plain.pixel(106, 115), kWhitePixel);  // its bottom edge
    EXPECT_EQ(plain.pixel(106, 116), kFacePixel);
    for (int y = 105; y <= 113; ++y)
        for (int x = 102; x <= 110; ++x)
            ASSERT_EQ(plain.pixel(x, y), kWhitePixel) << x << "," << y;  // unchecked: nothing inside

    const QImage right = render("  Alignment = 1\n");
    EXPECT_EQ(right.pixel(187, 103), kShadowPixel);
    EXPECT_EQ(right.pixel(186, 109), kFacePixel);
    EXPECT_EQ(right.pixel(199, 109), kWhitePixel);
    EXPECT_EQ(right.pixel(100, 103), kFacePixel);

    // Twice the size at 200 %: 26 pixels from (200, 207), the edges still one pixel wide.
    const QImage large = render("", 2.0);
    EXPECT_EQ(large.pixel(200, 207), kShadowPixel);
    EXPECT_EQ(large.pixel(225, 220), kWhitePixel);
    EXPECT_EQ(large.pixel(226, 220), kFacePixel);

    // A box lower than 13 pixels has a mark as high as itself.
    const QImage low =
        RenderFormPicture(BuildFormModel(FormHolding(Control("CheckBox", "Check1", 1500, 1500, 1500, 150))), 1.0);
    EXPECT_EQ(low.pixel(109, 105), kWhitePixel);  // the right edge of a 10-pixel box
    EXPECT_EQ(low.pixel(110, 105), kFacePixel);

    const auto count = [](const QImage& image, QRgb colour) {
        int found = 0;
        for (int y = 104; y <= 114; ++y)
            for (int x = 101; x <= 111; ++x)
                found += image.pixel(x, y) == colour ? 1 : 0;
        return found;
    };
    const QImage checked = render("  Value = 1 'Checked\n");
    EXPECT_GT(count(checked, kBlackPixel), 10);
    const QImage greyed = render("  Value = 2 'Grayed\n");
    EXPECT_EQ(count(greyed, kBlackPixel), 0);
    EXPECT_GT(count(greyed, kShadowPixel), 10);
    EXPECT_EQ(greyed.pixel(102, 106), kFacePixel);  // a grey box
    EXPECT_EQ(greyed.pixel(110, 113), kFacePixel);
}

// A combo box 100 x 20 pixels at (100, 100) is a sunken white field with a raised button of
// 16 pixels inside its right edge, 2 pixels in from the top and bottom: (182, 102) to
// (197, 117), a white edge at its top and left, a black one at its bottom and right, and a
// black arrow in the middle.
TEST(FormPictureTest, aComboBoxsButton_is16PixelsWideInsideItsRightEdge) {
    const QImage image =
        RenderFormPicture(BuildFormModel(FormHolding(Control("ComboBox", "Combo1", 1500, 1500, 1500, 300))), 1.0);
    EXPECT_EQ(image.pixel(180, 110), kWhitePixel);  // the field
    EXPECT_EQ(image.pixel(182, 110), kWhitePixel);  // the button's light left edge
    EXPECT_EQ(image.pixel(183, 110), kFacePixel);   // its face
    EXPECT_EQ(image.pixel(185, 105), kFacePixel);
    EXPECT_EQ(image.pixel(190, 102), kWhitePixel);       // its top edge
    EXPECT_EQ(image.pixel(190, 101), qRgb(64, 64, 64));  // the field's dark inner edge, above it
    EXPECT_EQ(image.pixel(197, 110), kBlackPixel);       // its dark right edge
    EXPECT_EQ(image.pixel(190, 117), kBlackPixel);       // and bottom edge
    EXPECT_EQ(image.pixel(190, 118), kFacePixel);        // the field's inner edge below it
    EXPECT_EQ(image.pixel(189, 109), kBlackPixel);       // the arrow
    EXPECT_EQ(image.pixel(185, 112), kFacePixel);        // which points down, narrowing
}

// A caption that fits in its regular font may not in bold, whose strokes and advances are
// wider: the measure keeps the two apart, whichever it met first. Italic is a face of its own.
TEST(FormPictureTest, boldAndItalicFonts_measureApartFromTheRegularOne) {
    const std::u16string text = u"Преглед на формата";
    FormFont regular;
    FormFont bold = regular;
    bold.bold = true;
    FormFont italic = regular;
    italic.italic = true;
    PictureTextMeasure measure;
    const double regularWidth = measure.Measure(regular, text, std::nullopt, false).width;
    const double boldWidth = measure.Measure(bold, text, std::nullopt, false).width;
    EXPECT_GT(boldWidth, regularWidth);
    EXPECT_EQ(PictureTextMeasure().Measure(bold, text, std::nullopt, false).width, boldWidth);
    EXPECT_TRUE(PictureFont(bold, 1.0).bold());
    EXPECT_FALSE(PictureFont(regular, 1.0).bold());
    EXPECT_TRUE(PictureFont(italic, 1.0).italic());
    EXPECT_FALSE(PictureFont(regular, 1.0).italic());
}

bool IsRed(const QImage& image, QPoint at) {
    const QColor colour = image.pixelColor(at);
    return colour.red() > 200 && colour.green() < 50 && colour.blue() < 50;
}

// A and B stood apart and now overlap: the one problem is about both, and both are outlined, on
// every side (points on each edge away from the other control).
TEST(FormPictureTest, overlappingControls_areBothOutlinedInRed) {
    // In pixels A covers 100..179 x 100..129, and B, once moved, 160..239 x 120..149.
    const std::string a = Control("CommandButton", "A", 1500, 1500, 1200, 450);
    const FormModel before = BuildFormModel(FormHolding(a + Control("CommandButton", "B", 4500, 1800, 1200, 450)));
    const FormModel after = BuildFormModel(FormHolding(a + Control("CommandButton", "B", 2400, 1800, 1200, 450)));
    const LayoutProblems problems = FindNewLayoutProblems(before, after);
    ASSERT_EQ(problems.listed.size(), 1u);

    const QImage plain = RenderFormPicture(after, 1.0);
    const QImage marked = RenderFormPicture(after, 1.0, {ControlsToOutline(problems.listed), std::nullopt});
    const struct {
        const char* side;
        QPoint at;
    } edges[] = {{"A top", {120, 100}}, {"A left", {100, 115}}, {"A bottom", {120, 129}}, {"A right", {179, 110}},
                 {"B top", {200, 120}}, {"B left", {160, 140}}, {"B bottom", {200, 149}}, {"B right", {239, 135}}};
    for (const auto& [side, at] : edges) {
        EXPECT_TRUE(IsRed(marked, at)) << side;
        EXPECT_FALSE(IsRed(plain, at)) << side;
    }
    EXPECT_EQ(marked.pixel(140, 115), plain.pixel(140, 115));  // the inside stays as it was
}

// Each light control comes after the button it overlaps in the file, and is still drawn
// beneath it, as in the designer; where it lies alone its own colour shows.
// Pixels of text (dark, not the grey of an edge) inside a rectangle of the picture.
int DarkPixels(const QImage& image, const QRect& rect) {
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 60;
    return dark;
}

// The designer writes the topmost control of a layer first, and windowless controls (labels,
// images, shapes, lines) always lie beneath the windowed ones, whatever the order.
TEST(FormPictureTest, stacking_windowlessBeneathWindowed_andInEachLayerTheEarlierAbove) {
    const FormModel model = BuildFormModel(
        FormHolding(Control("Label", "Label1", 2100, 1650, 1200, 600,  // pixels 140..219 x 110..149
                            "  BackStyle = 1\n  BackColor = &H00FF0000&\n") +
                    Control("CommandButton", "Command1", 1500, 1500, 1200, 450) +  // pixels 100..179 x 100..129
                    Control("Shape", "Shape1", 2100, 3150, 1200, 600,              // pixels 140..219 x 210..249
                            "  BackStyle = 1\n  BackColor = &H0000FF00&\n") +
                    Control("CommandButton", "Command2", 1500, 3000, 1200, 450) +  // pixels 100..179 x 200..229
                    // A white background shape behind a caption, written after it, as real forms have it.
                    Control("Label", "Caption1", 300, 300, 1500, 300,  // pixels 20..119 x 20..39
                            "  Caption = \"WWWW\"\n  BackStyle = 0\n") +
                    Control("Shape", "Background", 0, 0, 3000, 1200,
                            "  FillStyle = 0\n  FillColor = &H00FFFFFF&\n  BorderStyle = 0\n") +
                    // Two buttons of one layer: the one written first lies above.
                    Control("CommandButton", "Upper", 3750, 1500, 1200, 450,  // pixels 250..329 x 100..129
                            "  BackColor = &H000000FF&\n  Style = 1\n") +
                    Control("CommandButton", "Lower", 4350, 1500, 1200, 450,  // pixels 290..369 x 100..129
                            "  BackColor = &H00FFFF00&\n  Style = 1\n")));
    const QImage image = RenderFormPicture(model, 1.0);
    const QRgb buttonFace = qRgb(212, 208, 200);
    EXPECT_EQ(image.pixel(160, 120), buttonFace);       // where the label and the button overlap
    EXPECT_EQ(image.pixel(200, 140), qRgb(0, 0, 255));  // the label alone
    EXPECT_EQ(image.pixel(160, 220), buttonFace);       // where the shape and the button overlap
    EXPECT_EQ(image.pixel(200, 240), qRgb(0, 255, 0));  // the shape alone

    EXPECT_EQ(image.pixel(10, 60), qRgb(255, 255, 255));       // the background shape
    EXPECT_GT(DarkPixels(image, QRect(20, 20, 100, 20)), 20);  // the caption's letters over it

    EXPECT_EQ(image.pixel(310, 115), qRgb(255, 0, 0));    // where the two buttons overlap: the upper
    EXPECT_EQ(image.pixel(350, 115), qRgb(0, 255, 255));  // the lower alone
}

// A form of three labels in a font, as the designer writes it at 100 % and as a correction by
// 60 % makes it: 900 x 255 twips becomes 540 x 153, 8.25 points 4.95.
std::u16string ThreeLabels(const std::string& font, double scale) {
    const auto number = [scale](double value) { return std::to_string(static_cast<int>(std::lround(value * scale))); };
    std::string text = "Begin VB.Form Form1\n ClientWidth = " + number(3000) + "\n ClientHeight = " + number(1500) +
                       "\n BeginProperty Font\n  Name = \"" + font + "\"\n  Size = " + (scale == 1 ? "8.25" : "4.95") +
                       "\n EndProperty\n";
    const char* const labels[][3] = {
        {"lblProvince", "Provinces", ""}, {"lblShort", "OK", ""}, {"lblAuto", "Provinces", "  AutoSize = -1\n"}};
    for (int i = 0; i < 3; ++i)
        text += Control("Label", labels[i][0], static_cast<int>(std::lround(120 * scale)),
                        static_cast<int>(std::lround((120 + 400 * i) * scale)), std::stoi(number(900)),
                        std::stoi(number(255)), "  Caption = \"" + std::string(labels[i][1]) + "\"\n" + labels[i][2]);
    return Text(text + "End\n");
}

// MS Sans Serif has no face below 8 points, so its text stays as wide while the labels shrink;
// Arial shrinks with them. "Provinces" takes about 50 pixels at 8 points, the label 36 at 60 %.
TEST(FormPictureTest, textThatNoLongerFitsInTheFontItIsDrawnIn_isListed) {
    FormFont small{u"MS Sans Serif", 4.95};
    EXPECT_EQ(PictureFont(small, 1.0).pixelSize(), 11);
    EXPECT_EQ(PictureFont(small, 2.0).pixelSize(), 22);
    small.name = u"Arial";
    EXPECT_EQ(PictureFont(small, 1.0).pixelSize(), 7);
    // The TrueType twin shrinks, in the stand-ins MS Sans Serif takes.
    const FormFont twin{u"Microsoft Sans Serif", 4.95};
    EXPECT_EQ(PictureFont(twin, 1.0).pixelSize(), 7);
    EXPECT_EQ(PictureFont(twin, 1.0).families().mid(1), PictureFont(FormFont{}, 1.0).families().mid(1));

    PictureTextMeasure measure;
    const LayoutProblems bitmap =
        FindNewLayoutProblems(BuildFormModel(ThreeLabels("MS Sans Serif", 1)),
                              BuildFormModel(ThreeLabels("MS Sans Serif", 0.6)), ScaleFactors::Both(0.6), &measure);
    ASSERT_EQ(bitmap.listed.size(), 1u);
    EXPECT_EQ(bitmap.listed[0].message, messages::TextDoesNotFit(u"lblProvince"));
    EXPECT_TRUE(FindNewLayoutProblems(BuildFormModel(ThreeLabels("Arial", 1)),
                                      BuildFormModel(ThreeLabels("Arial", 0.6)), ScaleFactors::Both(0.6), &measure)
                    .Empty());
}

// In the style of property pages each tab is as wide as its caption and its margins: "A" is
// narrow, the long caption wide; shared equally, each would be 133 pixels.
TEST(FormPictureTest, aTabbedDialogInPropertyPageStyle_hasTabsAsWideAsTheirCaptions) {
    const auto tabEdges = [](int style) {
        const FormModel model = BuildFormModel(
            FormHolding(" Begin TabDlg.SSTab Tabs\n  Left = 0\n  Top = 0\n  Width = 6000\n  Height = 3000\n"
                        "  Tabs = 3\n  Tab = 0\n  TabsPerRow = 3\n  TabHeight = 529\n  Style = " +
                        std::to_string(style) +
                        "\n  TabCaption(0) = \"A\"\n  TabCaption(1) = \"&Bb\"\n"
                        "  TabCaption(2) = \"A much longer caption than the others\"\n End\n"));
        const QImage image = RenderFormPicture(model, 1.0);
        std::vector<int> edges;  // the dark right edges along the tabs' row
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, 10) == qRgb(64, 64, 64))
                edges.push_back(x);
        return edges;
    };
    const std::vector<int> pages = tabEdges(1);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_LT(pages[0], 30);              // "A" and 12 pixels of margin
    EXPECT_LT(pages[1] - pages[0], 40);   // "Bb", its mark not shown
    EXPECT_GT(pages[2] - pages[1], 150);  // the long caption
    EXPECT_EQ(tabEdges(0), (std::vector<int>{132, 265, 399}));
}

// A label with AutoSize is as large as its caption whatever the form stores, growing from the
// edge its alignment keeps; with WordWrap it keeps its width and grows down.
TEST(FormPictureTest, autoSizeLabels_takeTheSizeOfTheirCaption) {
    const std::string caption = "  Caption = \"Provinces and towns\"\n  AutoSize = -1  'True\n";
    const FormModel model = BuildFormModel(
        FormHolding(Control("Label", "Grows", 1500, 300, 300, 150, caption) +  // stored: pixels 100..119 x 20..29
                    Control("Label", "Right", 3000, 900, 300, 150, caption + "  Alignment = 1\n") +
                    Control("Label", "Centred", 3000, 1500, 300, 150, caption + "  Alignment = 2\n") +
                    Control("Label", "Down", 1500, 2100, 900, 150, caption + "  WordWrap = -1  'True\n")));
    const auto rect = [&model](std::size_t control) { return ControlRectInPicture(model, control, 1.0); };
    EXPECT_EQ(rect(1).left(), 100);
    EXPECT_GT(rect(1).width(), 80);
    EXPECT_GE(rect(1).height(), 12);
    EXPECT_EQ(rect(2).right(), 219);
    EXPECT_EQ(rect(2).width(), rect(1).width());
    EXPECT_NEAR(rect(3).center().x(), 210, 1);
    EXPECT_EQ(rect(4).left(), 100);
    EXPECT_EQ(rect(4).width(), 60);
    EXPECT_GE(rect(4).height(), 2 * rect(1).height());

    const QImage image = RenderFormPicture(model, 1.0);
    EXPECT_GT(DarkPixels(image, QRect(130, 20, 50, 12)), 20);                      // the caption, past the stored width
    EXPECT_GT(DarkPixels(image, QRect(100, 140 + rect(1).height(), 60, 12)), 10);  // its second line
}

// The faces of Windows are not on the system; what the picture draws in must still have a
// glyph for every character of every code page's script.
TEST(FormPictureTest, captionsInEveryCodePagesScript_haveTheirGlyphsInThePicturesFont) {
    const char16_t* const samples[] = {
        u"Zażółć gęślą jaźń Ťť Őő",         // windows-1250
        u"Съобщение за грешка Ђђ Її",       // windows-1251
        u"Größe façade Œuvre €",            // windows-1252
        u"Ελληνικά γράμματα ΆΈ",            // windows-1253
        u"Türkçe ığüşöç İŞĞ",               // windows-1254
        u"עברית שלום",                      // windows-1255
        u"العربية سلام",                    // windows-1256
        u"Lietuvių ąčęėįšųūž āēīūļņ",       // windows-1257
        u"Tiếng Việt Ơơ Ưư Đđ ₫",           // windows-1258
        u"ภาษาไทย สวัสดี",                    // windows-874
        u"日本語のテキスト カタカナ ｶﾀｶﾅ",  // shift_jis
        u"简体中文 设置",                   // gbk
        u"한국어 텍스트 설정",              // cp949
        u"繁體中文 設定",                   // big5
        u"Мир 世界 한글 ไทย",               // utf-8
    };
    for (const char16_t* face :
         {u"MS Sans Serif", u"Arial", u"Times New Roman", u"Courier New", u"MS Gothic", u"Gulim", u"SimSun"}) {
        const QFont font = PictureFont(FormFont{face, 9}, 1.0);
        // Each family on its own, so that no face of the system outside the list stands in.
        std::vector<QFont> families;
        for (const QString& family : font.families()) {
            QFont single(family);
            single.setStyleStrategy(QFont::NoFontMerging);
            if (QFontInfo(single).family().compare(family, Qt::CaseInsensitive) == 0)
                families.push_back(single);
        }
        for (const char16_t* sample : samples) {
            for (const char32_t character : QString::fromUtf16(sample).toUcs4()) {
                if (character == U' ')
                    continue;
                const bool drawn = std::any_of(families.begin(), families.end(), [character](const QFont& single) {
                    return QFontMetrics(single).inFontUcs4(character);
                });
                EXPECT_TRUE(drawn) << Utf16ToUtf8(face) << ": U+" << std::hex << static_cast<unsigned>(character)
                                   << " in " << Utf16ToUtf8(sample);
            }
        }
    }
}

// Four tabs in rows of two, each 300 twips (529 HIMETRIC, 20 pixels) high, over a dialog 300
// pixels wide at 10, 10: the shown tab's row (0 and 1) is moved next to the page, below the
// other (2 and 3). Tab 2 has an empty caption; the shown tab's button is drawn, the other's not.
TEST(FormPictureTest, aTabbedDialog_isDrawnWithItsRowsOfTabsAndTheShownTabsControls) {
    const FormModel model = BuildFormModel(FormHolding(
        " Begin TabDlg.SSTab Tabs\n  Left = 150\n  Top = 150\n  Width = 4500\n  Height = 3000\n"
        "  Tabs = 4\n  Tab = 1\n  TabsPerRow = 2\n  TabHeight = 529\n"
        "  TabCaption(0) = \"One\"\n  TabCaption(1) = \"Two\"\n  TabCaption(2) = \"\"\n  TabCaption(3) = \"Four\"\n"
        "  Tab(0).Control(0) = \"OnFirst\"\n  Tab(1).Control(0) = \"OnSecond\"\n" +
        Control("CommandButton", "OnFirst", -73500, 900, 1500, 450, "  BackColor = &H000000FF&\n") +
        Control("CommandButton", "OnSecond", 1500, 900, 1500, 450, "  BackColor = &H0000FF00&\n") + " End\n"));
    const QImage image = RenderFormPicture(model, 1.0);
    const auto tab = [](int row, int column) { return QRect(10 + 150 * column + 4, 10 + 20 * row + 4, 142, 12); };
    EXPECT_GT(DarkPixels(image, tab(1, 0)), 10);  // One, next to the page
    EXPECT_GT(DarkPixels(image, tab(1, 1)), 10);  // Two, shown
    EXPECT_EQ(DarkPixels(image, tab(0, 0)), 0);   // the empty caption
    EXPECT_GT(DarkPixels(image, tab(0, 1)), 10);  // Four
    EXPECT_EQ(image.pixel(110 + 40, 70 + 15), qRgb(0, 255, 0));
    EXPECT_EQ(PictureNote(model), captions::HiddenTabControls(1));
}

TEST(FormPictureTest, shapesAreFilledAsTheirFillStyleSays_andSystemColoursAreTheClassicSchemes) {
    std::string controls =
        Control("Shape", "Solid", 0, 0, 600, 600, "  FillStyle = 0 'Solid\n  FillColor = &H000000FF&\n") +
        Control("Shape", "Hollow", 750, 0, 600, 600, "  FillColor = &H000000FF&\n") +
        Control("Shape", "Black", 1500, 0, 600, 600, "  FillStyle = 0\n");
    // Each system colour as the back of a label 150 twips square, in a row at 1500 down.
    const char* const indexes[] = {"0", "1", "2", "5", "8", "9", "C", "F", "10", "14", "15", "18", "19"};
    for (int i = 0; i < 13; ++i)
        controls += Control(
            "Label", "System" + std::to_string(i), 150 * i, 1500, 150, 150,
            std::string("  BackStyle = 1\n  BackColor = &H800000") + (indexes[i][1] ? "" : "0") + indexes[i] + "&\n");
    const QImage image = RenderFormPicture(BuildFormModel(FormHolding(controls)), 1.0);
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 0, 0));
    EXPECT_TRUE(IsBackgroundOf(image, 70, 20));  // inside the hollow one: the form
    EXPECT_EQ(image.pixel(120, 20), qRgb(0, 0, 0));
    const QRgb classic[] = {qRgb(212, 208, 200), qRgb(58, 110, 165),  qRgb(10, 36, 106),   qRgb(255, 255, 255),
                            qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(212, 208, 200),
                            qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(64, 64, 64),    qRgb(255, 255, 225),
                            qRgb(212, 208, 200)};  // past the last (&H80000018&): the button face
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(image.pixel(10 * i + 5, 105), classic[i]) << indexes[i];
}

// A user control, a property page and a user document live inside another window; a form
// without a border has no title bar either. Without one, no pixel has the caption's blue.
TEST(FormPictureTest, onlyAFormWithABorderIsDrawnUnderATitleBar) {
    const auto comparison = [](const std::string& kind, const std::string& more) {
        const FormModel model = BuildFormModel(
            Text("Begin VB." + kind + " Thing\n Caption = \"Заглавие\"\n ClientWidth = 1500\n ClientHeight = 750\n" +
                 more + "End\n"));
        return RenderComparison(model, model, {}, 1.0);
    };
    const auto hasCaptionBlue = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(10, 36, 106))
                    return true;
        return false;
    };
    EXPECT_TRUE(hasCaptionBlue(comparison("Form", "")));
    EXPECT_TRUE(hasCaptionBlue(comparison("MDIForm", "")));
    for (const char* kind : {"UserControl", "PropertyPage", "UserDocument"})
        EXPECT_FALSE(hasCaptionBlue(comparison(kind, ""))) << kind;
    EXPECT_FALSE(hasCaptionBlue(comparison("Form", " BorderStyle = 0 'None\n")));
}

TEST(FormPictureTest, pictureNote_saysWhatIsNotDrawn) {
    EXPECT_EQ(PictureNote(BuildFormModel(Text(kForm))), captions::HiddenTabControls(1));
    EXPECT_EQ(PictureNote(FormModel()), captions::NoFormDescription());
    // A hidden frame counts with the two buttons it holds; a form with none hidden says nothing.
    EXPECT_EQ(PictureNote(BuildFormModel(FormHolding(Control(
                  "Frame", "Tab2", -74000, 0, 900, 900,
                  Control("CommandButton", "A", 0, 0, 90, 90) + Control("CommandButton", "B", 100, 0, 90, 90))))),
              captions::HiddenTabControls(3));
    EXPECT_TRUE(PictureNote(BuildFormModel(FormHolding(Control("CommandButton", "A", 0, 0, 90, 90)))).isEmpty());
}

TEST(FormPictureTest, previewCommand_writesTheComparisonOrSaysWhyNot) {
    TempFolder folder;
    const std::string form = folder.Path("Form1.frm");
    const std::string picture = folder.Path("out.png");
    WriteBytes(form, kForm);
    std::ostringstream out;
    std::ostringstream err;

    ASSERT_EQ(RunPreviewCommand({"200", form, picture}, out, err), 0) << err.str();
    QImage written(QString::fromStdString(picture));
    // "Преди" at 400 x 300 and "След" at 800 x 600 beside it, with room around them.
    EXPECT_GT(written.width(), 400 + 800);
    EXPECT_GT(written.height(), 600);
    EXPECT_EQ(testing::ReadBytes(form), kForm);

    EXPECT_EQ(RunPreviewCommand({"120", folder.Path("missing.frm"), picture}, out, err), 1);
    EXPECT_EQ(RunPreviewCommand({"10", form, picture}, out, err), 2);
    EXPECT_EQ(RunPreviewCommand({"120", form}, out, err), 2);
    EXPECT_EQ(RunPreviewCommand({"120", form, folder.Path("no/such/folder/out.png")}, out, err), 1);
}

// A whole project checked before it is scaled: each file's new problems on lines of their own,
// nothing for a file without any, and a file that cannot be read or corrected does not stop
// the others.
TEST(FormPictureTest, previewCommandProblems_listsEachFilesNewProblemsAndGoesOnPastFailures) {
    TempFolder folder;
    const auto write = [&folder](const std::string& name, const std::u16string& text) {
        WriteBytes(folder.Path(name), std::string(text.begin(), text.end()));
        return folder.Path(name);
    };
    const std::string cut = write("cut.frm", ThreeLabels("MS Sans Serif", 1));
    const std::string clean = write("clean.frm", ThreeLabels("Arial", 1));
    const std::string cutToo = write("cut too.frm", ThreeLabels("MS Sans Serif", 1));
    const std::string huge = write("huge.frm", Text("Begin VB.Form F\n Width = 4000000000\nEnd\n"));
    const std::string missing = folder.Path("missing.frm");
    const std::string cutLabel = (TextOf(messages::TextDoesNotFit(u"lblProvince")));
    std::ostringstream out;
    std::ostringstream err;

    EXPECT_EQ(RunPreviewCommand({"--problems", "60", cut, clean, missing, huge, cutToo}, out, err), 1);
    EXPECT_EQ(out.str(), cut + ": " + cutLabel + "\n" + cutToo + ": " + cutLabel + "\n");
    EXPECT_EQ(err.str(), testing::Printed(messages::CannotRead(missing)) + huge + ": " +
                             testing::Printed(messages::ValueOutOfRange(2)));

    out.str("");
    EXPECT_EQ(RunPreviewCommand({"--problems", "60", clean, cut}, out, err), 0);
    EXPECT_EQ(out.str(), cut + ": " + cutLabel + "\n");
    out.str("");
    EXPECT_EQ(RunPreviewCommand({"--problems", "100", cut}, out, err), 0);
    EXPECT_EQ(out.str(), "");
    // Corrected with TrueType fonts, the labels' font is Microsoft Sans Serif and shrinks with them.
    EXPECT_EQ(RunPreviewCommand({"--truetype", "--problems", "60", cut}, out, err), 0);
    EXPECT_EQ(out.str(), "");
    // Buttons that overlap by 100 twips overlap by 125 at 125 %: in proportion, nothing new.
    const std::string overlapping =
        write("overlapping.frm", FormHolding(Control("CommandButton", "A", 1500, 1500, 1200, 450) +
                                             Control("CommandButton", "B", 2600, 1500, 1200, 450)));
    EXPECT_EQ(RunPreviewCommand({"--problems", "125", overlapping}, out, err), 0);
    EXPECT_EQ(out.str(), "");
    out.str("");
    // A project file stands for its forms.
    WriteBytes(folder.Path("App.vbp"), "Type=Exe\r\nForm=clean.frm\r\nForm=CUT TOO.FRM\r\nModule=m; m.bas\r\n");
    EXPECT_EQ(RunPreviewCommand({"--problems", "60", folder.Path("App.vbp")}, out, err), 0);
    EXPECT_EQ(out.str(), cutToo + ": " + cutLabel + "\n");
    out.str("");
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--problems", "60"},
                                                  {"--problems"},
                                                  {"--problems", "19", cut},
                                                  {"--problems", "x", cut}})
        EXPECT_EQ(RunPreviewCommand(wrong, out, err), 2) << wrong.size();
    EXPECT_EQ(out.str(), "");
}

// The page a maintainer opens to review a project: well-formed, its forms with problems first,
// then the clean, then the one that could not be read, and every picture it names beside it.
TEST(FormPictureTest, previewCommandReport_writesAPageOfEveryFormOfTheProjectWithItsPicture) {
    TempFolder folder;
    const auto write = [&folder](const std::string& name, const std::u16string& text) {
        WriteBytes(folder.Path(name), std::string(text.begin(), text.end()));
        return folder.Path(name);
    };
    const std::string clean = write("clean.frm", ThreeLabels("Arial", 1));
    const std::string cut = write("cut.frm", ThreeLabels("MS Sans Serif", 1));
    WriteBytes(folder.Path("App.vbp"), "Type=Exe\r\nForm=clean.frm\r\nForm=gone.frm\r\nForm=CUT.FRM\r\n");
    const std::string report = folder.Path("report");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunPreviewCommand({"--report", report, "60", folder.Path("App.vbp")}, out, err), 1);
    EXPECT_EQ(err.str(), testing::Printed(messages::CannotRead(folder.Path("gone.frm"))));

    const std::string page = testing::ReadBytes(report + "/index.html");
    QXmlStreamReader html(QByteArray::fromStdString(page));
    std::vector<std::string> headings;
    std::vector<std::string> pictures;
    while (!html.atEnd()) {
        if (html.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (html.name() == u"h2")
            headings.push_back(html.readElementText().toStdString());
        else if (html.name() == u"img")
            pictures.push_back(html.attributes().value("src").toString().toStdString());
        EXPECT_NE(html.name(), u"script");
    }
    EXPECT_FALSE(html.hasError()) << html.errorString().toStdString();
    EXPECT_EQ(headings, (std::vector<std::string>{cut, clean, folder.Path("gone.frm")}));
    ASSERT_EQ(pictures.size(), 2u);
    for (const std::string& picture : pictures) {
        EXPECT_EQ(picture.find('/'), std::string::npos) << picture << " is not beside the page";
        EXPECT_FALSE(QImage(QString::fromStdString(report + "/" + picture)).isNull()) << picture;
    }
    EXPECT_NE(page.find(command_texts::ReportCount(1, 3)), std::string::npos);
    EXPECT_NE(page.find((TextOf(messages::TextDoesNotFit(u"lblProvince")))), std::string::npos);
    EXPECT_EQ(page.find("http"), std::string::npos);
}

// 300,000 twips square would be 20,000 pixels a side at 100 %, 1.6 GB for one picture.
TEST(FormPictureTest, aHugeForm_isDrawnSmallerButWhole) {
    const FormModel model = BuildFormModel(std::u16string_view(
        u"Begin VB.Form Form1\n ClientWidth = 300000\n ClientHeight = 300000\n"
        u" Begin VB.CommandButton Corner\n  Left = 290000\n  Top = 290000\n  Width = 10000\n  Height = 10000\n End\n"
        u"End\n"));
    const QSize size = FormPictureSize(model, 1.0);
    EXPECT_LE(qint64(size.width()) * size.height(), qint64(4100) * 4100);
    EXPECT_GE(size.width(), 4000);
    EXPECT_EQ(size.width(), size.height());
    // The button in the far corner ends where the picture does.
    const QRect corner = ControlRectInPicture(model, 1, 1.0);
    EXPECT_NEAR(corner.right(), size.width() - 1, 1);
    EXPECT_NEAR(corner.bottom(), size.height() - 1, 1);
    EXPECT_EQ(RenderFormPicture(model, 1.0).size(), size);
    // A small form keeps the zoom asked for.
    EXPECT_EQ(FormPictureSize(BuildFormModel(Text(kForm)), 4.0), FormPictureSize(BuildFormModel(Text(kForm)), 1.0) * 4);
}

// 1500 buttons on a hidden tab, brought onto the form by 500 %: over a million overlapping
// pairs, of which the picture lists 200 and counts the rest.
TEST(FormPictureTest, previewCommand_aPileOfNewOverlaps_isDrawnWithABoundedList) {
    TempFolder folder;
    std::string text = "VERSION 5.00\r\nBegin VB.Form F\r\n   ClientWidth = 9000\r\n   ClientHeight = 6000\r\n";
    for (int i = 0; i < 1500; ++i)
        text += "   Begin VB.CommandButton C" + std::to_string(i) +
                "\r\n      Left = -60000\r\n      Top = 0\r\n      Width = 100\r\n      Height = 100\r\n   End\r\n";
    text += "End\r\n";
    const std::string form = folder.Path("hid.frm");
    const std::string picture = folder.Path("hid.png");
    WriteBytes(form, text);
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunPreviewCommand({"500", form, picture}, out, err), 0) << err.str();
    const QImage written(QString::fromStdString(picture));
    // "След" is 3000 pixels high; 201 lines of 13-pixel text fit in fewer than 4000 more.
    EXPECT_GT(written.height(), 3000);
    EXPECT_LT(written.height(), 7000);
}

}  // namespace
}  // namespace tremaro
