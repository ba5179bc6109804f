#include "core/form_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tremaro {
namespace {

std::u16string Text(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

const FormControl& Named(const FormModel& model, std::u16string_view name) {
    for (const FormControl& control : model.controls)
        if (control.name == name)
            return control;
    ADD_FAILURE() << "no control of that name";
    return model.controls.front();
}

TEST(FormModelTest, nestedControls_knowTheirContainerGeometryAndInheritedFont) {
    const std::u16string form = Text(
        "VERSION 5.00\r\n"
        "Begin VB.Form Form1 \r\n"
        "   Caption         =   \"Main \"\"one\"\"\"\r\n"
        "   ClientHeight    =   3000\r\n"
        "   ClientWidth     =   4000\r\n"
        "   BeginProperty Font \r\n"
        "      Name            =   \"Times New Roman\"\r\n"
        "      Size            =   9.75\r\n"
        "      Weight          =   700\r\n"
        "      Italic          =   -1  'True\r\n"
        "   EndProperty\r\n"
        "   BackColor       =   &H00C0FFFF&\r\n"
        "   Begin VB.Frame Frame1 \r\n"
        "      Caption         =   \"Group\"\r\n"
        "      BeginProperty Font \r\n"
        "         Name            =   \"Courier New\"\r\n"
        "         Size            =   15\r\n"
        "      EndProperty\r\n"
        "      Height          =   1500\r\n"
        "      Left            =   120\r\n"
        "      Top             =   240\r\n"
        "      Width           =   2000\r\n"
        "      Begin VB.TextBox Text1 \r\n"
        "         Height          =   300\r\n"
        "         Index           =   2\r\n"
        "         Left            =   60\r\n"
        "         Text            =   \"abc\"\r\n"
        "         Top             =   90\r\n"
        "         Width           =   900\r\n"
        "      End\r\n"
        "      Begin VB.Label Label1 \r\n"
        "         BeginProperty Font \r\n"
        "            Name            =   \"Arial\"\r\n"
        "            Size            =   12\r\n"
        "         EndProperty\r\n"
        "         ForeColor       =   &H80000012&\r\n"
        "      End\r\n"
        "   End\r\n"
        "End\r\n"
        "Attribute VB_Name = \"Form1\"\r\n");
    const FormModel model = BuildFormModel(form);

    ASSERT_EQ(model.controls.size(), 4u);
    EXPECT_EQ(model.caption, u"Main \"one\"");
    EXPECT_EQ(model.clientWidth, 4000);
    EXPECT_EQ(model.clientHeight, 3000);
    EXPECT_EQ(model.controls[0].backColor, 0x00C0FFFFu);

    const FormControl& frame = Named(model, u"Frame1");
    EXPECT_EQ(frame.className, u"VB.Frame");
    EXPECT_EQ(frame.container, 0u);
    EXPECT_EQ(frame.caption, u"Group");

    const FormControl& text = Named(model, u"Text1");
    EXPECT_EQ(text.Kind(), u"TextBox");
    EXPECT_EQ(text.container, 1u);
    EXPECT_EQ(text.DisplayName(), u"Text1(2)");
    EXPECT_EQ(text.left, 60);
    EXPECT_EQ(text.top, 90);
    EXPECT_EQ(text.width, 900);
    EXPECT_EQ(text.height, 300);
    EXPECT_EQ(text.text, u"abc");
    EXPECT_EQ(text.font.name, u"Times New Roman");  // the form's, not the frame's
    EXPECT_EQ(frame.font.name, u"Courier New");
    EXPECT_EQ(text.font.size, 9.75);
    EXPECT_TRUE(text.font.bold);
    EXPECT_TRUE(text.font.italic);

    const FormControl& label = Named(model, u"Label1");
    EXPECT_EQ(label.font.name, u"Arial");
    EXPECT_EQ(label.font.size, 12);
    EXPECT_FALSE(label.font.bold);
    EXPECT_EQ(label.foreColor, 0x80000012u);
    EXPECT_FALSE(TakesPlace(label));  // no geometry at all
    EXPECT_TRUE(TakesPlace(text));
}

TEST(FormModelTest, hiddenTabs_linesAndPlacelessControls) {
    const FormModel model = BuildFormModel(Text(
        "Begin VB.Form Form1\n"
        "   ScaleMode       =   3  'Pixel\n"
        "   Begin TabDlg.SSTab Tab1\n"
        "      Height = 200\n      Left = 0\n      Top = 0\n      Width = 300\n"
        "      Begin VB.Frame Hidden\n"
        "         Height = 1000\n         Left = -74880\n         Top = 360\n         Width = 1000\n"
        "         Begin VB.CheckBox Inside\n"
        "            Height = 300\n            Left = 120\n            Top = 120\n            Width = 600\n"
        "         End\n"
        "      End\n"
        "      Begin VB.Frame Shown\n"
        "         Height = 1000\n         Left = -59999\n         Top = 360\n         Width = 1000\n"
        "      End\n"
        // A line has no Left: only the dialog's list puts it on a hidden tab, as for the correction.
        "      Tab(1).Control(0) = \"TabLine\"\n"
        "      Begin VB.Line TabLine\n         X1 = -74000\n         X2 = -73000\n         Y1 = 0\n         Y2 = 0\n"
        "      End\n"
        "      Begin VB.Line StrayLine\n         X1 = -74000\n         X2 = -73000\n         Y1 = 0\n         Y2 = 0\n"
        "      End\n"
        "   End\n"
        "   Begin VB.Line Line1\n"
        "      BorderWidth = 3\n      X1 = 10\n      X2 = 110\n      Y1 = 50\n      Y2 = 20\n"
        "   End\n"
        "   Begin VB.Timer Timer1\n      Left = 0\n      Top = 0\n      Width = 10\n      Height = 10\n   End\n"
        "   Begin VB.Menu mnuFile\n      Caption = \"&File\"\n   End\n"
        "End\n"));

    ASSERT_EQ(model.controls.size(), 10u);
    EXPECT_TRUE(Named(model, u"Hidden").onHiddenTab);
    EXPECT_TRUE(Named(model, u"Inside").onHiddenTab);
    EXPECT_FALSE(Named(model, u"Shown").onHiddenTab);
    EXPECT_FALSE(Named(model, u"Tab1").onHiddenTab);
    EXPECT_TRUE(Named(model, u"TabLine").onHiddenTab);
    EXPECT_FALSE(Named(model, u"StrayLine").onHiddenTab);
    EXPECT_EQ(model.HiddenTabCount(), 3u);

    // The form draws in pixels, yet the designer stores positions and sizes in twips; only
    // the ends of the line are in pixels.
    EXPECT_EQ(Named(model, u"Tab1").width, 300);
    EXPECT_EQ(Named(model, u"Inside").left, 120);
    const FormControl& line = Named(model, u"Line1");
    EXPECT_TRUE(TakesPlace(line));
    EXPECT_EQ(line.borderWidth, 3);
    // A pen is at least one pixel wide, as the designer has it.
    EXPECT_EQ(BuildFormModel(Text("Begin VB.Form F\n Begin VB.Line L\n  BorderWidth = 0\n End\nEnd\n"))
                  .controls[1]
                  .borderWidth,
              1);
    const TwipsBox box = BoxOf(line);
    EXPECT_EQ(box.left, 150);
    EXPECT_EQ(box.top, 300);
    EXPECT_EQ(box.right, 1650);
    EXPECT_EQ(box.bottom, 750);

    EXPECT_FALSE(TakesPlace(Named(model, u"Timer1")));
    EXPECT_FALSE(TakesPlace(Named(model, u"mnuFile")));
}

// The box of every control, as (left, top, right, bottom) in twips.
std::vector<std::vector<double>> Boxes(const FormModel& model) {
    std::vector<std::vector<double>> boxes;
    for (std::size_t i = 1; i < model.controls.size(); ++i) {
        const TwipsBox box = BoxOf(model.controls[i]);
        boxes.push_back({box.left, box.top, box.right, box.bottom});
    }
    return boxes;
}

// Each container keeps its own units, yet only the ends of a line are stored in them. Read as
// the container's units, the pixel form's list would be 15 times too wide, the About dialog's
// OK button would stand past its form's right edge and the inch form's button 1440 times off.
TEST(FormModelTest, containersInOtherUnits_placeControlsInTwipsAndOnlyLineEndsInTheirUnits) {
    const FormModel pixels =
        BuildFormModel(Text("Begin VB.Form Pixels\n ClientWidth = 8610\n ClientHeight = 3000\n ScaleMode = 3 'Pixel\n"
                            " ScaleWidth = 574\n ScaleHeight = 200\n"
                            " Begin VB.ListBox List1\n  Height = 2400\n  Left = 90\n  Top = 120\n  Width = 8415\n End\n"
                            " Begin VB.Line Line1\n  X1 = 6\n  X2 = 568\n  Y1 = 190\n  Y2 = 190\n End\n"
                            "End\n"));
    EXPECT_EQ(Boxes(pixels), (std::vector<std::vector<double>>{{90, 120, 8505, 2520}, {90, 2850, 8520, 2850}}));

    // The designer's stock About dialog: a user scale of 5380.766 x 2453.724 over 5730 x 3555.
    const FormModel about = BuildFormModel(
        Text("Begin VB.Form frmAbout\n ClientHeight = 3555\n ClientWidth = 5730\n"
             " ScaleHeight = 2453.724\n ScaleMode = 0 'User\n ScaleWidth = 5380.766\n"
             " Begin VB.PictureBox picIcon\n  Height = 540\n  Left = 240\n  ScaleHeight = 337.12\n"
             "  ScaleMode = 0 'User\n  ScaleWidth = 337.12\n  Top = 240\n  Width = 540\n"
             "  Begin VB.Line Diagonal\n   X1 = 0\n   X2 = 337.12\n   Y1 = 0\n   Y2 = 168.56\n  End\n"
             " End\n"
             " Begin VB.CommandButton cmdOK\n  Height = 345\n  Left = 4245\n  Top = 2625\n  Width = 1260\n End\n"
             " Begin VB.Line Line1\n  X1 = 84.515\n  X2 = 5309.398\n  Y1 = 1687.583\n  Y2 = 1687.583\n End\n"
             "End\n"));
    const std::vector<std::vector<double>> aboutBoxes = Boxes(about);
    ASSERT_EQ(aboutBoxes.size(), 4u);
    EXPECT_EQ(aboutBoxes[0], (std::vector<double>{240, 240, 780, 780}));
    EXPECT_EQ(aboutBoxes[2], (std::vector<double>{4245, 2625, 5505, 2970}));
    // 84.515 x 5730 / 5380.766 = 90, 5309.398 x 5730 / 5380.766 = 5654, 1687.583 x 3555 / 2453.724 = 2445.
    const std::vector<double> expected[] = {{0, 0, 540, 270}, {90, 2445, 5654, 2445}};
    for (const std::size_t i : {1u, 3u})
        for (std::size_t side = 0; side < 4; ++side)
            EXPECT_NEAR(aboutBoxes[i][side], expected[i / 2][side], 0.5) << i << " " << side;
    EXPECT_FALSE(about.controls[0].onHiddenTab);

    const FormModel inches = BuildFormModel(
        Text("Begin VB.Form Inches\n ClientWidth = 5760\n ClientHeight = 2880\n ScaleMode = 5 'Inch\n"
             " Begin VB.CommandButton Command1\n  Height = 375\n  Left = 1440\n  Top = 1440\n  Width = 2880\n End\n"
             " Begin VB.Line Line1\n  X1 = 0.5\n  X2 = 3.5\n  Y1 = 1\n  Y2 = 1.25\n End\n"
             "End\n"));
    EXPECT_EQ(Boxes(inches), (std::vector<std::vector<double>>{{1440, 1440, 4320, 1815}, {720, 1440, 5040, 1800}}));

    // A form that does not give its client size has it from its scale size in fixed units.
    const FormModel noClient =
        BuildFormModel(Text("Begin VB.Form F\n ScaleMode = 3\n ScaleWidth = 100\n ScaleHeight = 50\nEnd\n"));
    EXPECT_EQ(noClient.clientWidth, 1500);
    EXPECT_EQ(noClient.clientHeight, 750);
}

// A line from (1, 2) to (3, 4) in a form of each ScaleMode, and where its ends stand in twips,
// worked out by hand: a point is 20 twips, a pixel 15, a character 120 across and 240 down,
// an inch 1440, a millimetre 1440 / 25.4 and a centimetre 1440 / 2.54. A user scale of 200 x
// 100 over a 4000 x 3000 client area makes a unit 20 twips across and 30 down.
TEST(FormModelTest, everyScaleMode_putsTheEndsOfALineInTwips) {
    struct Case {
        int scaleMode;
        double across, down;
    };
    const Case cases[] = {
        {0, 20, 30},   {1, 1, 1},       {2, 20, 20},           {3, 15, 15},
        {4, 120, 240}, {5, 1440, 1440}, {6, 56.6929, 56.6929}, {7, 566.929, 566.929},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scaleMode);
        const FormModel model =
            BuildFormModel(Text("Begin VB.Form F\n ClientWidth = 4000\n ClientHeight = 3000\n ScaleMode = " +
                                std::to_string(c.scaleMode) + "\n ScaleWidth = 200\n ScaleHeight = 100\n" +
                                " Begin VB.Line L\n  X1 = 1\n  Y1 = 2\n  X2 = 3\n  Y2 = 4\n End\nEnd\n"));
        const TwipsBox box = BoxOf(Named(model, u"L"));
        EXPECT_NEAR(box.left, 1 * c.across, 0.01);
        EXPECT_NEAR(box.right, 3 * c.across, 0.01);
        EXPECT_NEAR(box.top, 2 * c.down, 0.01);
        EXPECT_NEAR(box.bottom, 4 * c.down, 0.01);
    }
    // A user scale that starts elsewhere than 0, 0: ScaleLeft = 100 and ScaleTop = 50 stand at
    // the inner box's top left corner.
    const FormModel shifted =
        BuildFormModel(Text("Begin VB.Form F\n ClientWidth = 4000\n ClientHeight = 3000\n ScaleMode = 0\n"
                            " ScaleLeft = 100\n ScaleTop = 50\n ScaleWidth = 200\n ScaleHeight = 100\n"
                            " Begin VB.Line L\n  X1 = 101\n  Y1 = 52\n  X2 = 103\n  Y2 = 54\n End\nEnd\n"));
    const TwipsBox box = BoxOf(Named(shifted, u"L"));
    EXPECT_NEAR(box.left, 20, 0.01);
    EXPECT_NEAR(box.top, 60, 0.01);
    EXPECT_NEAR(box.right, 60, 0.01);
    EXPECT_NEAR(box.bottom, 120, 0.01);
}

// The designer writes names with their capitals, yet Visual Basic reads them in any case, and
// so does the correction: a form edited by hand to "left = 120" is drawn where it is scaled to.
// (The keywords Begin, End, BeginProperty and EndProperty are read as written, by both.)
TEST(FormModelTest, propertyNamesInAnyCase_areReadAsTheDesignersOwn) {
    const FormModel model = BuildFormModel(
        Text("Begin VB.Form F\n clientwidth = 4000\n CLIENTHEIGHT = 3000\n scalemode = 3\n"
             " BeginProperty font\n  name = \"Arial\"\n  SIZE = 12\n  weight = 700\n  ITALIC = -1\n EndProperty\n"
             " Begin VB.CheckBox C\n  left = 120\n  TOP = 240\n  wIdTh = 900\n  height = 300\n"
             "  caption = \"Yes\"\n  value = 1\n  backcolor = &H000000FF&\n  fontbold = -1\n End\n"
             " Begin VB.Line L\n  x1 = 1\n  y1 = 2\n  X2 = 3\n  y2 = 4\n End\n"
             " Begin TabDlg.SSTab T\n  tabs = 5\n  tabsperrow = 2\n  TAB = 1\n  tabcaption(1) = \"Two\"\n"
             "  tabheight = 1058\n End\n"
             "End\n"));
    EXPECT_EQ(model.clientWidth, 4000);
    EXPECT_EQ(model.clientHeight, 3000);
    const FormControl& form = model.controls[0];
    EXPECT_EQ(form.font.name, u"Arial");
    EXPECT_EQ(form.font.size, 12);
    EXPECT_TRUE(form.font.bold);
    EXPECT_TRUE(form.font.italic);
    const FormControl& check = Named(model, u"C");
    EXPECT_EQ(check.left, 120);
    EXPECT_EQ(check.top, 240);
    EXPECT_EQ(check.width, 900);
    EXPECT_EQ(check.height, 300);
    EXPECT_EQ(check.caption, u"Yes");
    EXPECT_EQ(check.value, 1);
    EXPECT_EQ(check.backColor, 0xFFu);
    EXPECT_TRUE(check.font.bold);
    const TwipsBox line = BoxOf(Named(model, u"L"));
    EXPECT_EQ(line.left, 15);  // in pixels: the form's lowercase ScaleMode counts
    EXPECT_EQ(line.bottom, 60);
    const FormControl& tabs = Named(model, u"T");
    EXPECT_EQ(tabs.tabs.count, 5);
    EXPECT_EQ(tabs.tabs.perRow, 2);
    EXPECT_EQ(tabs.tabs.shown, 1);
    ASSERT_EQ(tabs.tabs.captions.size(), 2u);
    EXPECT_EQ(tabs.tabs.captions[1], u"Two");
    EXPECT_NEAR(tabs.tabs.rowHeight, 600, 0.5);  // stored in HIMETRIC: 1058 is 0.6 inch
}

// A font is bold from a Weight of 600 (semibold) up, as Windows draws it; 599 and the normal
// 400 are not. The old FontBold line says it outright.
TEST(FormModelTest, fontWeight_isBoldFrom600Up) {
    const auto boldAt = [](const std::string& weightLine) {
        return BuildFormModel(Text("Begin VB.Form F\n BeginProperty Font\n  " + weightLine + "\n EndProperty\nEnd\n"))
            .controls[0]
            .font.bold;
    };
    EXPECT_FALSE(boldAt("Weight = 400"));
    EXPECT_FALSE(boldAt("Weight = 599"));
    EXPECT_TRUE(boldAt("Weight = 600"));
    EXPECT_TRUE(boldAt("Weight = 700"));
    EXPECT_FALSE(BuildFormModel(Text("Begin VB.Form F\n FontBold = 0\nEnd\n")).controls[0].font.bold);
    EXPECT_TRUE(BuildFormModel(Text("Begin VB.Form F\n FontBold = -1 'True\nEnd\n")).controls[0].font.bold);
    // Without a font the form has the designer's default.
    const FormFont plain = BuildFormModel(Text("Begin VB.Form F\nEnd\n")).controls[0].font;
    EXPECT_EQ(plain.name, u"MS Sans Serif");
    EXPECT_EQ(plain.size, 8.25);
    EXPECT_FALSE(plain.bold);
}

TEST(FormModelTest, brokenStructure_readsWhatItCanAndSkipsTheRest) {
    const FormModel model =
        BuildFormModel(Text("Left = 999\n"  // before the description
                            "Begin VB.Form Form1\n"
                            "   EndProperty\n"  // no group open: ignored
                            "   this line means nothing\n"
                            "   Begin VB.CommandButton Command1\n"
                            "      BeginProperty Font\n"
                            "         Size = 14\n"
                            "      Caption = \"Top  5\"\n"  // inside the group: not a caption
                            "   End\n"                      // closes the group and the button
                            "   Left = abc\n"               // no number: no position
                            "   Begin VB.Label Label1\n"
                            "      Caption = \"after\"\n"
                            "      Left = 7\n"
                            "   End\n"
                            "End\n"
                            "Begin VB.Label AfterTheDescription\n"
                            "End\n"));
    ASSERT_EQ(model.controls.size(), 3u);
    const FormControl& button = Named(model, u"Command1");
    EXPECT_EQ(button.font.size, 14);
    EXPECT_FALSE(button.caption);
    EXPECT_FALSE(model.controls[0].left);
    EXPECT_EQ(Named(model, u"Label1").caption, u"after");
    EXPECT_EQ(Named(model, u"Label1").container, 0u);

    // A block opened inside a group leaves the group open behind its End.
    const FormModel grouped =
        BuildFormModel(Text("Begin VB.Form F\n BeginProperty Font\n"
                            "  Begin VB.Label L\n   Size = 5\n  End\n  Size = 20\n"
                            " EndProperty\n Size = 30\nEnd\n"));
    ASSERT_EQ(grouped.controls.size(), 2u);
    EXPECT_EQ(grouped.controls[0].font.size, 20);
    EXPECT_EQ(grouped.controls[1].container, 0u);

    // Never closed: the description runs to the last line.
    const FormModel open = BuildFormModel(Text("Begin VB.Form F\n Begin VB.Label L\n  Left = 5\n"));
    ASSERT_EQ(open.controls.size(), 2u);
    EXPECT_EQ(open.controls[1].left, 5);

    EXPECT_TRUE(BuildFormModel(Text("Attribute VB_Name = \"x\"\r\nBeginProperty Font\r\nEnd\r\n")).Empty());
    EXPECT_TRUE(BuildFormModel(std::u16string()).Empty());
}

}  // namespace
}  // namespace tremaro
