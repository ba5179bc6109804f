#include "core/form_model.h"

#include <gtest/gtest.h>

#include <string>

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
    EXPECT_EQ(text.font.name, u"Times New Roman");  // the form's, through the frame
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
    const FormModel model = BuildFormModel(
        Text("Begin VB.Form Form1\n"
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
             "   End\n"
             "   Begin VB.Line Line1\n"
             "      BorderWidth = 3\n      X1 = 10\n      X2 = 110\n      Y1 = 50\n      Y2 = 20\n"
             "   End\n"
             "   Begin VB.Timer Timer1\n      Left = 0\n      Top = 0\n      Width = 10\n      Height = 10\n   End\n"
             "   Begin VB.Menu mnuFile\n      Caption = \"&File\"\n   End\n"
             "End\n"));

    ASSERT_EQ(model.controls.size(), 8u);
    EXPECT_TRUE(Named(model, u"Hidden").onHiddenTab);
    EXPECT_TRUE(Named(model, u"Inside").onHiddenTab);
    EXPECT_FALSE(Named(model, u"Shown").onHiddenTab);
    EXPECT_FALSE(Named(model, u"Tab1").onHiddenTab);
    EXPECT_EQ(model.HiddenTabCount(), 2u);

    // The form draws in pixels: what it holds is placed in pixels, what they hold in twips.
    EXPECT_EQ(Named(model, u"Tab1").width, 4500);
    EXPECT_EQ(Named(model, u"Inside").left, 120);
    const FormControl& line = Named(model, u"Line1");
    EXPECT_TRUE(TakesPlace(line));
    EXPECT_EQ(line.borderWidth, 3);
    const TwipsBox box = BoxOf(line);
    EXPECT_EQ(box.left, 150);
    EXPECT_EQ(box.top, 300);
    EXPECT_EQ(box.right, 1650);
    EXPECT_EQ(box.bottom, 750);

    EXPECT_FALSE(TakesPlace(Named(model, u"Timer1")));
    EXPECT_FALSE(TakesPlace(Named(model, u"mnuFile")));
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
