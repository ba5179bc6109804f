#include "core/correction.h"
#include "core/layout_names.h"
#include "core/messages.h"

#include "core/console_port.h"
#include "platform/unicode.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace tremaro {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

const MessageLines kRefused{messages::PercentRefused()};
const MessageLines kFinished{messages::CorrectionFinished()};

std::u16string Wide(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string Narrow(std::u16string_view ascii) {
    return std::string(ascii.begin(), ascii.end());
}

// One line corrected as the line of a form's own block or, with a group, as a line in that
// property group of it: the place of most lines the value rules are about.
struct OneLine {
    CorrectionOutcome outcome;
    std::u16string line;
};

OneLine CorrectedLine(const std::u16string& line, int percent, const std::string& group = "") {
    TempFolder folder;
    std::string bytes = "Begin VB.MDIForm Form1\r\n";
    if (!group.empty())
        bytes += "BeginProperty " + group + "\r\n";
    bytes += Narrow(line) + "\r\nEnd\r\n";
    testing::WriteBytes(folder.Path("form.frm"), bytes);
    FormLines lines;
    ConsolePort port;
    EXPECT_EQ(lines.LoadFormFile(folder.Path("form.frm")), FormLines::LoadStatus::Loaded);
    const CorrectionOutcome outcome = RunCorrection(Wide(std::to_string(percent)), lines, port);
    return {outcome, std::u16string(lines.Line(group.empty() ? 2 : 3))};
}

std::u16string Corrected(const std::u16string& line, int percent, const std::string& group = "") {
    const OneLine corrected = CorrectedLine(line, percent, group);
    EXPECT_EQ(corrected.outcome, CorrectionOutcome::Corrected) << Narrow(line);
    return corrected.line;
}

CorrectionOutcome OutcomeOf(const std::u16string& line, int percent, const std::string& group = "") {
    return CorrectedLine(line, percent, group).outcome;
}

class RunCorrectionTest : public ::testing::Test {
protected:
    void Load(const std::string& bytes) {
        testing::WriteBytes(folder.Path("form.frm"), bytes);
        ASSERT_EQ(lines.LoadFormFile(folder.Path("form.frm")), FormLines::LoadStatus::Loaded);
    }
    CorrectionOutcome Run(const std::u16string& percent) { return RunCorrection(percent, lines, port); }
    MessageLines LastMessage() const { return port.LastMessage(); }

    // The file's lines as a correction at percent leaves them.
    Lines CorrectedForm(const Lines& form, const std::string& percent) {
        std::string bytes;
        for (const std::string& line : form)
            bytes += line + "\r\n";
        Load(bytes);
        EXPECT_EQ(Run(Utf8ToUtf16(percent)), CorrectionOutcome::Corrected);
        Lines corrected;
        for (int line = 1; line <= lines.LineCount(); ++line)
            corrected.push_back(Narrow(lines.Line(line)));
        return corrected;
    }
    Lines CorrectedForm(const Lines& form, int percent) { return CorrectedForm(form, std::to_string(percent)); }
    // The lines inside a small form: the form's own block.
    Lines CorrectedInForm(const Lines& properties, int percent) {
        Lines form = {"VERSION 5.00", "Begin VB.MDIForm Form1"};
        form.insert(form.end(), properties.begin(), properties.end());
        form.push_back("End");
        Lines corrected = CorrectedForm(form, percent);
        return Lines(corrected.begin() + 2, corrected.end() - 1);
    }

    TempFolder folder;
    FormLines lines;
    ConsolePort port;
};

// --- The percent and the run ------------------------------------------------------------

TEST_F(RunCorrectionTest, percentOutsideTheRange_isRefused) {
    Load("Begin VB.MDIForm Form1\r\nTop  =   100\r\nEnd\r\n");
    for (const std::u16string percent : {u"19.99", u"500.01", u"abc", u"", u"-120", u"1e999", u"0", u"10x200",
                                         u"200x600", u"x100", u"100x", u"100x100x100", u"100x100\u00D7100", u"100 x"}) {
        const std::size_t shownBefore = port.Messages().size();
        EXPECT_EQ(Run(percent), CorrectionOutcome::PercentRefused);
        ASSERT_EQ(port.Messages().size(), shownBefore + 1);
        EXPECT_EQ(LastMessage(), kRefused);
        EXPECT_EQ(port.Messages().back().buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(lines.Line(2), u"Top  =   100");
    EXPECT_EQ(port.ViewText(), u"");
}

TEST_F(RunCorrectionTest, percentAtTheEdgesOrWithASign_isAccepted) {
    for (const std::u16string percent :
         {u"20", u"500", u"120%", u"  1 2 0", u"&H64", u"20x500", u"500 x 20", u"133\u00D7100", u" 80% \u00D7 &H64"}) {
        Load("Begin VB.MDIForm Form1\r\nTop  =   100\r\nEnd\r\n");
        EXPECT_EQ(Run(percent), CorrectionOutcome::Corrected);
        EXPECT_EQ(LastMessage(), kFinished);
    }
}

TEST_F(RunCorrectionTest, beforeAnyRead_saysThereIsNoForm) {
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::NoForm);
    EXPECT_EQ(LastMessage(), MessageLines{messages::NoForm()});
}

TEST_F(RunCorrectionTest, form_isCorrectedAndShownWithoutALeadingEmptyLine) {
    Load(
        "VERSION 5.00\r\nBegin VB.MDIForm Form1\r\n   ClientHeight    =   3195\r\n   LinkTopic       =   \"Form1\"\r\n"
        "   BeginProperty Font\r\n      Size            =   8.25\r\n   EndProperty\r\nEnd\r\n");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(
        port.ViewText(),
        u"VERSION 5.00\r\nBegin VB.MDIForm Form1\r\n   ClientHeight    =   3834\r\n   LinkTopic       =   \"Form1\"\r\n"
        u"   BeginProperty Font\r\n      Size            =   9.9\r\n   EndProperty\r\nEnd\r\n");
    ASSERT_EQ(port.Messages().size(), 1u);
}

TEST_F(RunCorrectionTest, secondRun_scalesTheScaledValuesAgain) {
    Load("Begin VB.MDIForm Form1\r\n   Top             =   100\r\nEnd\r\n");
    Run(u"150");
    Run(u"150");
    EXPECT_EQ(lines.Line(2), u"   Top             =   225");
}

// --- Only the description's property lines can change -----------------------------------

TEST_F(RunCorrectionTest, structure_linesBeforeAndAfterTheDescription_neverChange) {
    const Lines form = {
        "VERSION 5.00",
        "Top  =   100",
        "BeginProperty Font",
        "Size  =   8",
        "Beginning = 100",
        "Begin VB.MDIForm Form1 ",
        "   Top  =   100",
        "   Begin VB.Label Label1",
        "      Top  =   100",
        "   End",
        "   Width  =   100",
        "End",
        "Attribute VB_Name = \"Form1\"",
        "Private Const UsedKeySize   As Long = 5",
        "    Me.Top = 100",
        "Begin VB.Label Label2",
        "   Top  =   100",
        "End",
    };
    Lines expected = form;
    expected[6] = "   Top  =   120";
    expected[8] = "      Top  =   120";
    expected[10] = "   Width  =   120";
    EXPECT_EQ(CorrectedForm(form, 120), expected);
}

TEST_F(RunCorrectionTest, structure_beginEndAndGroupLines_neverChange) {
    const Lines form = {
        "\tBegin\tVB.Line Top = 100",
        "Begin",
        "BeginProperty Font Size = 8",
        "BeginProperty",
        "Size = 8",
        "EndProperty",
        "EndProperty",
        "End \t",
        "  End",
    };
    EXPECT_EQ(CorrectedForm(form, 120), form);
}

TEST_F(RunCorrectionTest, structure_onlyExactEndLinesCloseABlock) {
    const Lines form = {
        "Begin VB.MDIForm Form1", "End Sub", "EndX", "end", "Top = 100", "End", "Top = 100",
    };
    Lines expected = form;
    expected[4] = "Top = 120";
    EXPECT_EQ(CorrectedForm(form, 120), expected);
}

TEST_F(RunCorrectionTest, structure_unclosedDescription_runsToTheLastLine) {
    EXPECT_EQ(CorrectedForm({"Begin VB.MDIForm Form1", "   Begin VB.Label Label1", "   End", "Top =   100"}, 150),
              (Lines{"Begin VB.MDIForm Form1", "   Begin VB.Label Label1", "   End", "Top =   150"}));
}

TEST_F(RunCorrectionTest, structure_fileWithoutBegin_changesNothingAndStillFinishes) {
    const Lines form = {"VERSION 5.00", "   Top             =   100", "   BeginProperty Font", "      Size = 8"};
    EXPECT_EQ(CorrectedForm(form, 120), form);
    EXPECT_EQ(LastMessage(), kFinished);
    EXPECT_EQ(port.ViewText(),
              u"VERSION 5.00\r\n   Top             =   100\r\n   BeginProperty Font\r\n      Size = 8\r\n");
}

TEST_F(RunCorrectionTest, structure_endClosesTheGroupsOfItsBlock_endPropertyClosesOnlyAGroup) {
    const Lines form = {
        "Begin VB.MDIForm Form1",
        "   Begin VB.Label Label1",
        "      BeginProperty Font",
        "         Size = 8",
        "   End",
        "   Size = 8",  // back in the form's block: the label's group closed with it
        "   BeginProperty Font",
        "      Begin VB.Label Label2",
        "      EndProperty",  // a block is innermost: ignored
        "         Size = 8",
        "      End",
        "      Size = 8",  // the form's font group again
        "   EndProperty",
        "   Size = 8",
        "End",
    };
    Lines expected = form;
    expected[3] = "         Size = 10";
    expected[11] = "      Size = 10";
    EXPECT_EQ(CorrectedForm(form, 125), expected);
}

// --- Which names scale: positions and sizes ----------------------------------------------

TEST_F(RunCorrectionTest, wholeNumbers_namesEndingInTopLeftWidthHeight) {
    EXPECT_EQ(CorrectedInForm({"   Left            =   100", "   ClientWidth     =   100", "   ScaleHeight     =   100",
                               "   Object.Width           =   100", "   BorderWidth     =   100",
                               "   ColumnHeaderHeight=   285", "\tTop\t=\t100"},
                              150),
              (Lines{"   Left            =   150", "   ClientWidth     =   150", "   ScaleHeight     =   150",
                     "   Object.Width           =   150", "   BorderWidth     =   150", "   ColumnHeaderHeight=   428",
                     "\tTop\t=\t150"}));
}

TEST_F(RunCorrectionTest, wholeNumbers_lineEndsExtentsAndFurtherStoredLengths) {
    const Lines properties = {
        "X1 = 100",           "Y1 = 100",           "X2 = 100",          "Y2 = 100",
        "_ExtentX = 100",     "_ExtentY = 100",     "ExtentX = 100",     "SliderMaxExtentY = 100",
        "_cx = 100",          "_cy = 100",          "Width1 = 100",      "MinHeight12 = 100",
        "Top3 = 100",         "BandLeft2 = 100",    "Indentation = 100", "MarginRight = 100",
        "MarginBottom = 100", "MarginLeft = 100",   "ColWidthMin = 100", "ColWidthMax = 100",
        "RowHeightMin = 100", "RowHeightMax = 100",
    };
    Lines expected;
    for (std::string line : properties)
        expected.push_back(line.replace(line.find("100"), 3, "150"));
    EXPECT_EQ(CorrectedInForm(properties, 150), expected);
}

TEST_F(RunCorrectionTest, wholeNumbers_otherNamesAndImageSizes_stay) {
    const Lines properties = {
        "   ImageWidth      =   16",   "   ImageHeight     =   16",      "   LinkTopic       =   100",
        "   Caption = \"Top  5\"",     "   Caption         =   5 Top  ", "   X3              =   100",
        "   X1Y             =   100",  "   TopMargin       =   100",     "   Width1X         =   100",
        "   _cxy            =   100",  "   ExtentZ         =   100",     "   Indentations    =   100",
        "   Tab(0).ControlCount=   3",
    };
    EXPECT_EQ(CorrectedInForm(properties, 150), properties);
}

// Visual Basic reads property and group names without regard to the case of their letters.
TEST_F(RunCorrectionTest, names_areReadInAnyCase) {
    EXPECT_EQ(CorrectedInForm({"_extentx = 6165", "top = 100", "WIDTH = 100", "x1 = 100", "fontsize = 8", "_CX = 100",
                               "width1 = 100", "imagewidth = 16", "ImageHEIGHT = 16"},
                              200),
              (Lines{"_extentx = 12330", "top = 200", "WIDTH = 200", "x1 = 200", "fontsize = 16", "_CX = 200",
                     "width1 = 200", "imagewidth = 16", "ImageHEIGHT = 16"}));
    const Lines form = {
        "Begin VB.MDIForm Form1",
        "   SCALETOP = 100",
        "   scalemode = 0",
        "   BeginProperty FONT",
        "      size = 8",
        "   EndProperty",
        "   BeginProperty headfont",
        "      SIZE = 8",
        "   EndProperty",
        "End",
    };
    EXPECT_EQ(CorrectedForm(form, 200),
              (Lines{"Begin VB.MDIForm Form1", "   SCALETOP = 100", "   scalemode = 0", "   BeginProperty FONT",
                     "      size = 16", "   EndProperty", "   BeginProperty headfont", "      SIZE = 16",
                     "   EndProperty", "End"}));
}

// --- A container in user scale -----------------------------------------------------------

TEST_F(RunCorrectionTest, userScale_keepsTheBlocksOwnScaleProperties) {
    const Lines form = {
        "Begin VB.MDIForm Form1",
        "   ScaleHeight     =   100",
        "   Begin VB.PictureBox Picture1",
        "      ScaleHeight     =   100",
        "      ScaleLeft       =   100",
        "      ScaleTop        =   100",
        "      Height          =   100",
        "      BeginProperty Font",
        "         ScaleWidth      =   100",  // in a group: scaled
        "      EndProperty",
        "      Begin VB.PictureBox Picture2",
        "         ScaleWidth      =   100",  // a nested block keeps its own scale
        "      End",
        "      ScaleWidth      =   100",
        "      ScaleMode       =   0  'User",  // after the lines it rules
        "   End",
        "   BeginProperty Font",
        "      ScaleMode       =   0",  // in a group: no user scale for the form
        "   EndProperty",
        "   ScaleWidth      =   100",
        "End",
    };
    Lines expected = form;
    for (const int scaled : {1, 6, 8, 11, 19})
        expected[static_cast<std::size_t>(scaled)].replace(expected[static_cast<std::size_t>(scaled)].find("100"), 3,
                                                           "150");
    EXPECT_EQ(CorrectedForm(form, 150), expected);
}

TEST_F(RunCorrectionTest, userScale_isScaleModeThatValReadsAsZero) {
    for (const char* mode : {"0", " 0  'User", "&H0", "0.0", "-0", "0 1"}) {
        const std::string scaleMode = std::string("ScaleMode = ") + mode;
        const bool user = std::string(mode) != "0 1";
        EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", scaleMode}, 150)[0], user ? "ScaleTop = 100" : "ScaleTop = 150")
            << mode;
    }
    for (const char* notUser : {"ScaleMode = 'User", "ScaleMode = 3", "ScaleModeX = 0", "Scale Mode = 0"})
        EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", notUser}, 150)[0], "ScaleTop = 150") << notUser;
    EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", "  ScaleMode\t=0"}, 150)[0], "ScaleTop = 100");
}

// The ends of a line are in its container's units; a container in user scale keeps its
// units, so they stay. Its Left, Top, Width and Height are twips and scale as everywhere.
TEST_F(RunCorrectionTest, userScale_lineEndsInsideItStay) {
    const Lines form = {
        "Begin VB.MDIForm frmAbout",
        "   ScaleMode       =   0  'User",
        "   Begin VB.Line Line1",
        "      X1              =   84.515",
        "      X2              =   5309.398",
        "      Y1              =   1687.583",
        "      y2              =   1687.583",
        "   End",
        "   Begin VB.CommandButton cmdOK",
        "      Left            =   4245",
        "      Width           =   1260",
        "   End",
        "   Begin VB.PictureBox Picture1",
        "      Begin VB.Line Line2",  // its container is in twips
        "         X1              =   100",
        "      End",
        "   End",
        "End",
    };
    Lines expected = form;
    expected[9] = "      Left            =   6368";
    expected[10] = "      Width           =   1890";
    expected[14] = "         X1              =   150";
    EXPECT_EQ(CorrectedForm(form, 150), expected);
}

// --- Tabbed dialogs ----------------------------------------------------------------------

// A tabbed dialog showing its second tab: what its list puts on the first and third tabs is
// stored 75000 twips to the left, and is scaled where it stands, whatever its Left.
const Lines kTabbedDialog = {
    "Begin VB.MDIForm Form1",
    "   Begin TabDlg.SSTab SSTab1",
    "      Tab             =   1",
    "      TabHeight       =   520",
    "      Tab(0).ControlEnabled=   0   'False",
    "      Tab(0).Control(0)=   \"Label1(1)\"",
    "      Tab(0).Control(1)=   \"Line1\"",
    "      Tab(0).Control(2)=   \"Frame1\"",
    "      Tab(0).ControlCount=   3",
    "      Tab(1).Control(0)=   \"Label1(2)\"",
    "      Tab(1).Control(1)=   \"Command1\"",
    "      TAB(2).CONTROL(0)=   \"text1\"",
    "      Begin VB.Label Label1",  // 12: hidden, on tab 0
    "         Index           =   1",
    "         Left            =   -58980",
    "         Top             =   100",
    "      End",
    "      Begin VB.Label Label1",  // 17: on the shown tab
    "         Index           =   2",
    "         Left            =   -61000",
    "      End",
    "      Begin VB.Line Line1",  // 21: hidden
    "         X1              =   -69720",
    "         X2              =   -60000",
    "         Y1              =   100",
    "      End",
    "      Begin VB.Frame Frame1",  // 26: hidden
    "         Left            =   100",
    "         BeginProperty Font",
    "            Left            =   100",
    "         EndProperty",
    "         Begin VB.CommandButton Command2",  // 31: nested deeper: not shifted
    "            Left            =   120",
    "         End",
    "      End",
    "      Begin VB.CommandButton Command1",  // 35: on the shown tab
    "         Left            =   120",
    "      End",
    "      Begin VB.TextBox Text1",  // 38: hidden, named in another case
    "         Left            =   -74880",
    "      End",
    "      Begin VB.Label Label9",  // 41: not listed: the old rule
    "         Left            =   -60000",
    "         Width           =   -60000",
    "      End",
    "   End",
    "End",
};

TEST_F(RunCorrectionTest, tabbedDialog_controlsOnHiddenTabsScaleWhereTheyStand) {
    Lines expected = kTabbedDialog;
    auto set = [&expected](std::size_t line, const std::string& number) {
        std::string& text = expected[line];
        const std::size_t first = text.find_first_of("-0123456789", text.find('='));
        text.replace(first, text.size() - first, number);
    };
    set(3, "780");      // TabHeight
    set(14, "-50970");  // (-58980 + 75000) * 1.5 - 75000
    set(15, "150");
    set(19, "-91500");  // on the shown tab: scaled plainly
    set(22, "-67080");  // (-69720 + 75000) * 1.5 - 75000
    set(23, "-52500");
    set(24, "150");
    set(27, "37650");  // (100 + 75000) * 1.5 - 75000
    set(29, "150");    // in a group: not its own Left
    set(32, "180");
    set(36, "180");
    set(39, "-74820");
    set(42, "-52500");  // -60000 and less, no tabbed dialog says otherwise
    set(43, "-90000");  // only Left is stored to the left
    EXPECT_EQ(CorrectedForm(kTabbedDialog, 150), expected);
}

TEST_F(RunCorrectionTest, tabbedDialog_withoutATabLine_showsTheFirstTab) {
    Lines form = kTabbedDialog;
    form.erase(form.begin() + 2);  // Tab = 1
    const Lines corrected = CorrectedForm(form, 150);
    EXPECT_EQ(corrected[13], "         Left            =   -88470");  // Label1(1), now on the shown tab
    EXPECT_EQ(corrected[18], "         Left            =   -54000");  // Label1(2), now hidden
}

// A hidden control stays on its tab through corrections there and back, wherever it stands.
TEST_F(RunCorrectionTest, tabbedDialog_thereAndBack_bringsHiddenControlsBackToTheirPlace) {
    for (const auto& [there, back] : {std::pair{"150", "66.6667"}, std::pair{"125", "80"}, std::pair{"500", "20"}}) {
        Lines corrected = CorrectedForm(kTabbedDialog, there);
        corrected = CorrectedForm(corrected, back);
        for (const std::size_t line : {14, 22, 23, 27, 39}) {
            const double was = std::stod(kTabbedDialog[line].substr(kTabbedDialog[line].find('=') + 1));
            const double now = std::stod(corrected[line].substr(corrected[line].find('=') + 1));
            EXPECT_LE(std::abs(now - was), 1) << there << " and " << back << ": " << kTabbedDialog[line];
        }
    }
}

// --- Two factors: widths across, heights down -----------------------------------------------

// A form with a length of every kind, each of them 100: across, down, and font sizes, which
// take the smaller factor; a Forms 2.0 size across and down; a Label on a hidden tab, 100
// twips from the tab's left edge.
const Lines kAcross = {
    "   Left = 100",        "   Width = 100",       "   ClientLeft = 100",  "   ClientWidth = 100",
    "   ScaleLeft = 100",   "   ScaleWidth = 100",  "   X1 = 100",          "   X2 = 100",
    "   _ExtentX = 100",    "   ExtentX = 100",     "   _cx = 100",         "   Indentation = 100",
    "   BorderWidth = 100", "   DrawWidth = 100",   "   Width1 = 100",      "   BandLeft2 = 100",
    "   MarginLeft = 100",  "   MarginRight = 100", "   ColWidthMin = 100", "   ColWidthMax = 100",
};
const Lines kDown = {
    "   Top = 100",          "   Height = 100",      "   ClientTop = 100",    "   ClientHeight = 100",
    "   ScaleTop = 100",     "   ScaleHeight = 100", "   Y1 = 100",           "   Y2 = 100",
    "   _ExtentY = 100",     "   ExtentY = 100",     "   _cy = 100",          "   MinHeight1 = 100",
    "   Top3 = 100",         "   MarginTop = 100",   "   MarginBottom = 100", "   RowHeightMin = 100",
    "   RowHeightMax = 100",
};
const Lines kFontsPairAndHiddenTab = {
    "   FontSize = 8.25",
    "   Size = \"100;100\"",
    "   Begin TabDlg.SSTab SSTab1",
    "      Tab(1).Control(0)=   \"Label1\"",
    "      Begin VB.Label Label1",
    "         Left = -74900",
    "         BeginProperty Font",
    "            Size = 8.25",
    "         EndProperty",
    "      End",
    "   End",
};

Lines WithHundredAs(Lines lines, const std::string& number) {
    for (std::string& line : lines)
        line.replace(line.find("100"), 3, number);
    return lines;
}

Lines FormWithEveryLength(const Lines& across, const Lines& down, const Lines& rest) {
    Lines form = {"VERSION 5.00", "Begin VB.Form Form1"};
    for (const Lines& part : {across, down, rest})
        form.insert(form.end(), part.begin(), part.end());
    form.push_back("End");
    return form;
}

// A corrected form's lines, and apart from them the Font group the correction added (nine
// lines, which must be there).
struct WithoutAddedGroup {
    Lines lines;
    Lines group;
};

TEST_F(RunCorrectionTest, twoFactors_eachLengthTakesItsAxis_fontSizesTheSmaller) {
    const Lines form = FormWithEveryLength(kAcross, kDown, kFontsPairAndHiddenTab);
    auto corrected = [&](const std::string& percent) {
        Lines lines = CorrectedForm(form, percent);
        const auto group = std::find(lines.begin(), lines.end(), "   BeginProperty Font ");
        EXPECT_NE(group, lines.end()) << percent;
        if (group == lines.end() || lines.end() - group < 9)
            return WithoutAddedGroup{lines, {}};
        Lines added(group, group + 9);
        lines.erase(group, group + 9);
        return WithoutAddedGroup{lines, added};
    };
    auto expected = [&](const std::string& across, const std::string& down, const std::string& pair,
                        const std::string& hiddenLeft) {
        Lines rest = kFontsPairAndHiddenTab;
        rest[1] = "   Size = \"" + pair + "\"";
        rest[5] = "         Left = " + hiddenLeft;
        return FormWithEveryLength(WithHundredAs(kAcross, across), WithHundredAs(kDown, down), rest);
    };
    const WithoutAddedGroup wider = corrected("133x100");
    EXPECT_EQ(wider.lines, expected("133", "100", "133;100", "-74867"));
    EXPECT_EQ(wider.group.at(2), "      Size            =   8.25");
    EXPECT_EQ(corrected("133X100").lines, wider.lines);
    const WithoutAddedGroup taller = corrected("100 \u00D7 133");
    EXPECT_EQ(taller.lines, expected("100", "133", "100;133", "-74900"));
    EXPECT_EQ(taller.group.at(2), "      Size            =   8.25");
    const WithoutAddedGroup smaller = corrected("150x80");
    EXPECT_EQ(smaller.lines[smaller.lines.size() - 12], "   FontSize = 6.6");
    EXPECT_EQ(smaller.group.at(2), "      Size            =   6.6");
}

// One number means both factors, and a percent written twice means that number: what comes
// out is the same to the byte, the Font group added with it.
TEST_F(RunCorrectionTest, twoFactors_theSamePercentTwice_isThatPercent) {
    const Lines form = FormWithEveryLength(kAcross, kDown, kFontsPairAndHiddenTab);
    for (const char* percent : {"120", "33.3", "250"}) {
        const Lines once = CorrectedForm(form, percent);
        EXPECT_EQ(CorrectedForm(form, std::string(percent) + "x" + percent), once) << percent;
        EXPECT_EQ(CorrectedForm(form, std::string(percent) + " \u00D7 " + percent), once) << percent;
    }
    EXPECT_EQ(CorrectedForm(form, "100x100"), form);
}

// --- Forms 2.0 sizes ---------------------------------------------------------------------

TEST(FormsTwoSize, bothNumbersScaleAndTheQuotesAndSemicolonStay) {
    EXPECT_EQ(Corrected(u"      Size            =   \"5318;67\"", 150), u"      Size            =   \"7977;100\"");
    EXPECT_EQ(Corrected(u"Size = \"1;0\"", 20), u"Size = \"1;0\"");  // at least 1 where it was
    EXPECT_EQ(Corrected(u"Size=  \"123456789;987654321\"  ", 20), u"Size=  \"24691358;197530864\"  ");
    EXPECT_EQ(OutcomeOf(u"Size = \"9999999999;1\"", 500), CorrectionOutcome::ValueOutOfRange);
    for (const std::u16string stays : {u"Size = \"5318\"", u"Size = \"5318;\"", u"Size = \"-5;6\"", u"Size = \"5 ;6\"",
                                       u"Size = 5318", u"Size = \"5;6", u"Size = x\"5;6\"", u"Size =          \"5;6\""})
        EXPECT_EQ(Corrected(stays, 200), stays);
    EXPECT_EQ(Corrected(u"Size = \"5318;67\"", 200, "Font"), u"Size = \"5318;67\"");
    EXPECT_EQ(Corrected(u"Size = \"5318;67\"", 200, "Images"), u"Size = \"10636;134\"");
}

// --- Font sizes --------------------------------------------------------------------------

TEST_F(RunCorrectionTest, fontSizes_sizeInAFontGroupAndNamesEndingInFontSize) {
    const Lines form = {
        "Begin VB.MDIForm Form1",
        "   FontSize        =   8.25",
        "   HeaderFontSize  =   8.25",
        "   Size            =   8.25",
        "   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} ",
        "      Size            =   8.25",
        "   EndProperty",
        "   BeginProperty\tHeadFont",
        "      Size            =   8.25",
        "      FontSize        =   8.25",
        "   EndProperty",
        "   BeginProperty Images",
        "      Size            =   4504",
        "      BeginProperty DefaultFont",
        "         Size            =   8.25",
        "      EndProperty",
        "      Size            =   4504",
        "   EndProperty",
        "   BeginProperty FontX",
        "      Size            =   8.25",
        "   EndProperty",
        "   BeginPropertyFont",
        "      Size            =   8.25",
        "   EndProperty",
        "End",
    };
    Lines expected = form;
    for (const int scaled : {1, 2, 5, 8, 9, 14}) {
        std::string& line = expected[static_cast<std::size_t>(scaled)];
        line.replace(line.find("8.25"), 4, "9.9");
    }
    EXPECT_EQ(CorrectedForm(form, 120), expected);
}

TEST(FontSize, isCutToTwoDecimalsOfItsDecimalValue) {
    EXPECT_EQ(Corrected(u"      FontSize        =   8.25", 133), u"      FontSize        =   10.97");
    EXPECT_EQ(Corrected(u"      FontSize        =   9.75", 50), u"      FontSize        =   4.87");
    EXPECT_EQ(Corrected(u"      FontSize        =   1", 20), u"      FontSize        =   0.2");
    // In binary 4.35 * 2 * 100 is 869.99999999999994, and 12.37 * 1.5 * 100 is 1855.4999...
    EXPECT_EQ(Corrected(u"FontSize = 4.35", 200), u"FontSize = 8.7");
    EXPECT_EQ(Corrected(u"FontSize = 12.37", 150), u"FontSize = 18.55");
    EXPECT_EQ(Corrected(u"FontSize = 0.29", 300), u"FontSize = 0.87");
    for (const std::u16string same : {u"FontSize = 12.37", u"FontSize = 0.29", u"FontSize = 8.25 "})
        EXPECT_EQ(Corrected(same, 100), same);
}

TEST(FontSize, withADecimalCommaKeepsTheComma) {
    EXPECT_EQ(Corrected(u"Size            =   8,25", 150, "Font"), u"Size            =   12,37");
    EXPECT_EQ(Corrected(u"FontSize = 9,75  ", 50), u"FontSize = 4,87  ");
    EXPECT_EQ(Corrected(u"FontSize = 8,00", 150), u"FontSize = 12");
    EXPECT_EQ(Corrected(u"FontSize = 12,5", 100), u"FontSize = 12,5");
    // Anything else is read as Val reads it, up to the comma.
    EXPECT_EQ(Corrected(u"FontSize = 8,25,1", 200), u"FontSize = 16,25,1");
    EXPECT_EQ(Corrected(u"FontSize = -8,25", 200), u"FontSize = -16,25");
    EXPECT_EQ(Corrected(u"Top = 8,25", 200), u"Top = 16,25");
}

// --- A value is rewritten where it stands ------------------------------------------------

TEST(RewrittenValue, replacesOnlyTheOldNumber) {
    EXPECT_EQ(Corrected(u"   ClientLeft      =   45", 150), u"   ClientLeft      =   68");
    EXPECT_EQ(Corrected(u"Left = 100 ", 120), u"Left = 120 ");
    EXPECT_EQ(Corrected(u"Left = 100 xy", 120), u"Left = 120 xy");
    EXPECT_EQ(Corrected(u"      Height          =   495", 120), u"      Height          =   594");
    EXPECT_EQ(Corrected(u"   Top             =   25", 150), u"   Top             =   38");
    EXPECT_EQ(Corrected(u"   Width           =   -100", 80), u"   Width           =   -80");
    EXPECT_EQ(Corrected(u"Top  =9", 500), u"Top  =45");
    EXPECT_EQ(Corrected(u"Top  =   5         tail", 120), u"Top  =   6         tail");
    EXPECT_EQ(Corrected(u"Top = 1000", 50), u"Top = 500");
}

TEST(RewrittenValue, theNumberIsWhatValReadIncludingSignAndRadix) {
    EXPECT_EQ(Corrected(u"Top  =   &H10", 200), u"Top  =   32");
    EXPECT_EQ(Corrected(u"Top  =   1 0", 200), u"Top  =   20");
    EXPECT_EQ(Corrected(u"Top  =   +5", 200), u"Top  =   10");
    EXPECT_EQ(Corrected(u"Top  =   1E3x", 200), u"Top  =   2000x");
    EXPECT_EQ(Corrected(u"Top  =   123456.7.8.9", 100), u"Top  =   123457.8.9");
}

TEST(RewrittenValue, aValueThatComesOutTheSame_leavesTheLineAsItWas) {
    for (const std::u16string same :
         {u"Left = 0", u"Left = 0 ", u"   Left            =   0", u"Top = 0100", u"Top = &H10", u"Top = 1 0"})
        EXPECT_EQ(Corrected(same, 100), same);
    EXPECT_EQ(Corrected(u"Left = 0  ", 300), u"Left = 0  ");
}

// --- What stays as it was ----------------------------------------------------------------

TEST(ValueRewrite, linesThatAreNoMeasures_stayAsTheyAre) {
    for (const std::u16string line : {
             u"   Top  ",
             u"   Top             =",
             u"      IntegralHeight  =   0   'False",
             u"   Left            =   100 ' moved by hand",
             u"   Height          =   Me.Height  ",
             u"   Width           =   \"100\"",
         })
        EXPECT_EQ(Corrected(line, 150), line);
}

TEST(ValueRewrite, numberRunningPastTheField_isReadWhole) {
    EXPECT_EQ(Corrected(u"ScaleHeight     =   6127.313", 120), u"ScaleHeight     =   7353");
    EXPECT_EQ(Corrected(u"Left  =   12345678XY", 20), u"Left  =   2469136XY");
    EXPECT_EQ(Corrected(u"Top  =   1234567 89", 200), u"Top  =   2469134 89");
    EXPECT_EQ(OutcomeOf(u"Top  =   12345678901234", 100), CorrectionOutcome::ValueOutOfRange);
}

TEST(ValueRewrite, wholeNumberOfOneOrMore_neverBecomesLessThanOne) {
    EXPECT_EQ(Corrected(u"   BorderWidth     =   1", 20), u"   BorderWidth     =   1");
    EXPECT_EQ(Corrected(u"   BorderWidth     =   1", 49), u"   BorderWidth     =   1");
    EXPECT_EQ(Corrected(u"   BorderWidth     =   2", 20), u"   BorderWidth     =   1");
    EXPECT_EQ(Corrected(u"   Width           =   0.9", 50), u"   Width           =   0");
    EXPECT_EQ(Corrected(u"   Width           =   0", 50), u"   Width           =   0");
    EXPECT_EQ(Corrected(u"   Left            =   -1", 20), u"   Left            =   0");
    EXPECT_EQ(Corrected(u"   Left            =   -2", 20), u"   Left            =   0");
}

TEST(ValueRewrite, hiddenTabControlOfNoTabbedDialog_isScaledWhereItStands) {
    EXPECT_EQ(Corrected(u"      Left            =   -74880", 120), u"      Left            =   -74856");
    EXPECT_EQ(Corrected(u"      Left            =   -60000", 50), u"      Left            =   -67500");
    EXPECT_EQ(Corrected(u"      Left            =   -59999", 50), u"      Left            =   -30000");
    EXPECT_EQ(Corrected(u"   ClientLeft      =   -70000", 50), u"   ClientLeft      =   -35000");
    EXPECT_EQ(Corrected(u"\tleft  \t=   -70000", 50), u"\tleft  \t=   -72500");
}

TEST(ValueRewrite, unrepresentableValue_refusesTheRun) {
    using Outcome = CorrectionOutcome;
    EXPECT_EQ(OutcomeOf(u"Top  =2000000000", 200), Outcome::ValueOutOfRange);
    EXPECT_EQ(OutcomeOf(u"Top  =-999999999", 500), Outcome::ValueOutOfRange);
    EXPECT_EQ(OutcomeOf(u"Size  =   9E999", 100, "Font"), Outcome::ValueOutOfRange);
    EXPECT_EQ(OutcomeOf(u"Size  =   1.7E308", 500, "Font"), Outcome::ValueOutOfRange);
    EXPECT_EQ(OutcomeOf(u"Size  =   1E307", 500, "Font"), Outcome::ValueOutOfRange);
    EXPECT_EQ(OutcomeOf(u"Size  =   1E300", 500, "Font"), Outcome::Corrected);
    EXPECT_EQ(OutcomeOf(u"Top  =2147483647", 100), Outcome::Corrected);
}

TEST_F(RunCorrectionTest, valueOutOfRange_refusesTheWholeRunNamingTheFilesLine) {
    Load(
        "VERSION 5.00\r\nBegin VB.MDIForm Form1\r\n   Top             =   100\r\n   Width           =2000000000\r\n"
        "   Left  =3000000000\r\nEnd\r\n");
    EXPECT_EQ(Run(u"200"), CorrectionOutcome::ValueOutOfRange);
    EXPECT_EQ(LastMessage(), MessageLines{messages::ValueOutOfRange(4)});
    EXPECT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(lines.Line(3), u"   Top             =   100");
    EXPECT_EQ(port.ViewText(), u"");
}

TEST_F(RunCorrectionTest, outOfRangeValueOnALineThatStays_doesNotRefuse) {
    Load(
        "Top = 9999999999\r\nBegin VB.MDIForm Form1\r\n   Top             =   9999999999 'x\r\n"
        "   Width           =   \"9E999\"\r\n   ImageWidth      =   9999999999\r\n   CacheSize = 9E999\r\n"
        "   ScaleTop = 9999999999\r\n   ScaleMode = 0\r\nEnd\r\nTop = 9999999999\r\n");
    EXPECT_EQ(Run(u"500"), CorrectionOutcome::Corrected);
}

TEST_F(RunCorrectionTest, emptyFile_endsWithAnEmptyText) {
    Load("");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(port.ViewText(), u"");
    EXPECT_EQ(LastMessage(), kFinished);
}

// --- The font a form's controls inherit -------------------------------------------------

// The group the designer writes for the default font, at its scaled size.
Lines FontGroup(const std::string& indentation, const std::string& size, const std::string& charset = "1",
                const std::string& face = "MS Sans Serif") {
    const std::string inner = indentation + "   ";
    return {indentation + "BeginProperty Font ",
            inner + "Name            =   \"" + face + "\"",
            inner + "Size            =   " + size,
            inner + "Charset         =   " + charset,
            inner + "Weight          =   400",
            inner + "Underline       =   0   'False",
            inner + "Italic          =   0   'False",
            inner + "Strikethrough   =   0   'False",
            indentation + "EndProperty"};
}

Lines Joined(std::initializer_list<Lines> parts) {
    Lines joined;
    for (const Lines& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

TEST_F(RunCorrectionTest, fontGroup_goesBeforeTheFirstPropertyThatSortsAfterFont) {
    const Lines form = {"VERSION 5.00",
                        "Begin VB.Form Form1",
                        "   Caption         =   \"Form1\"",
                        "   ClientHeight    =   3195",
                        "   LinkTopic       =   \"Form1\"",
                        "   Begin VB.Label Label1",
                        "      Caption         =   \"x\"",
                        "   End",
                        "End"};
    EXPECT_EQ(CorrectedForm(form, 150), Joined({{"VERSION 5.00", "Begin VB.Form Form1",
                                                 "   Caption         =   \"Form1\"", "   ClientHeight    =   4792"},
                                                FontGroup("   ", "12.37"),
                                                {"   LinkTopic       =   \"Form1\"", "   Begin VB.Label Label1",
                                                 "      Caption         =   \"x\"", "   End", "End"}}));
}

TEST_F(RunCorrectionTest, fontGroup_goesAfterTheLastPropertyWhenNoneSortsAfterFont) {
    const Lines form = {"Begin VB.UserControl Box",
                        "\tAppearance = 0",
                        "\tBackColor = 1",
                        "   Begin VB.Label L",
                        "      FontSize = 8",
                        "   End",
                        "End"};
    EXPECT_EQ(CorrectedForm(form, 60), Joined({{"Begin VB.UserControl Box", "\tAppearance = 0", "\tBackColor = 1"},
                                               FontGroup("\t", "4.95"),
                                               {"   Begin VB.Label L", "      FontSize = 4.8", "   End", "End"}}));
}

TEST_F(RunCorrectionTest, fontGroup_ofATopBlockWithChildrenOnly_followsItsBeginLine) {
    const Lines form = {"  Begin VB.PropertyPage Page", "     Begin VB.Label L", "     End", "  End"};
    EXPECT_EQ(CorrectedForm(form, 200), Joined({{"  Begin VB.PropertyPage Page"},
                                                FontGroup("     ", "16.5"),
                                                {"     Begin VB.Label L", "     End", "  End"}}));
}

TEST_F(RunCorrectionTest, fontGroup_isNotAddedWhereTheFormHasAFontOrCannotHaveOne) {
    const Lines ownFont = {"Begin VB.Form Form1", "   BeginProperty FONT", "      Size = 8", "   EndProperty", "End"};
    EXPECT_EQ(CorrectedForm(ownFont, 200),
              (Lines{"Begin VB.Form Form1", "   BeginProperty FONT", "      Size = 16", "   EndProperty", "End"}));
    const Lines mdi = {"Begin VB.MDIForm Main", "   Caption = \"x\"", "End"};
    EXPECT_EQ(CorrectedForm(mdi, 200), mdi);
    const Lines atOneHundred = {"Begin VB.Form Form1", "   Caption = \"x\"", "End"};
    EXPECT_EQ(CorrectedForm(atOneHundred, 100), atOneHundred);
    // A control's font, or a group of another name, is no font of the form's own.
    const Lines otherGroups = {
        "Begin VB.UserDocument Doc", "   BeginProperty HeadFont", "   EndProperty", "   BeginProperty Images",
        "      BeginProperty Font",  "      EndProperty",         "   EndProperty", "   Begin VB.Label L",
        "      BeginProperty Font",  "      EndProperty",         "   End",         "End"};
    const Lines corrected = CorrectedForm(otherGroups, 200);
    ASSERT_EQ(corrected.size(), otherGroups.size() + 9);
    EXPECT_EQ(corrected[1], "   BeginProperty Font ");
}

// The Charset of the group added: the form's own fonts first, then a code page the text
// decided, else the system's own; and no group in an East Asian form.
TEST_F(RunCorrectionTest, fontGroup_takesTheScriptTheFormItselfNames) {
    auto charsetAdded = [this](const std::string& form, std::optional<CodePageDecision> decided = std::nullopt) {
        testing::WriteBytes(folder.Path("form.frm"), form);
        EXPECT_EQ(lines.LoadFormFile(folder.Path("form.frm"), decided), FormLines::LoadStatus::Loaded);
        EXPECT_EQ(Run(u"150"), CorrectionOutcome::Corrected);
        for (int line = 1; line <= lines.LineCount(); ++line)
            if (lines.Line(line).starts_with(u"      Charset         =   "))
                return Narrow(lines.Line(line).substr(26));
        return std::string("no group");
    };
    const std::string greek = "\xC4\xE7\xEC\xE9\xEF\xF5\xF1\xE3\xDF\xE1";  // Δημιουργία
    auto fonts = [](std::initializer_list<int> charsets) {
        std::string groups;
        for (const int charset : charsets)
            groups +=
                "   Begin VB.Label L\r\n      BeginProperty Font\r\n         Charset = " + std::to_string(charset) +
                "\r\n      EndProperty\r\n   End\r\n";
        return groups;
    };
    auto form = [](const std::string& caption, const std::string& controls) {
        return "Begin VB.Form Form1\r\n   Caption = \"" + caption + "\"\r\n" + controls + "End\r\n";
    };
    EXPECT_EQ(charsetAdded(form("Form1", "")), "1");  // English, Spanish, Polish alike: nothing names a script
    EXPECT_EQ(charsetAdded(form("Copyright \xA9 2007", "")), "1");
    EXPECT_EQ(charsetAdded(form("Form1", fonts({0}))), "0");
    EXPECT_EQ(charsetAdded(form("Form1", fonts({1, 2, 255, 238}))), "238");
    EXPECT_EQ(charsetAdded(form(greek, fonts({0, 161, 161}))), "161");
    EXPECT_EQ(charsetAdded(form(greek, fonts({161, 0}))), "161");             // a tie: the first
    EXPECT_EQ(charsetAdded(form(greek + "\xFF", fonts({204, 204}))), "204");  // never against the form's own
    EXPECT_EQ(charsetAdded(form(greek + " " + greek, "")), "161");            // the text decided it
    EXPECT_EQ(charsetAdded(form("Form1", ""), CodePageDecision{CodePage::Windows1253, CodePageBasis::Folder, true}),
              "161");
    EXPECT_EQ(charsetAdded(form("Form1", ""), ChosenByHand(CodePage::Windows1250)), "238");
    EXPECT_EQ(charsetAdded(form("Form1", fonts({128, 128, 0}))), "no group");
    EXPECT_EQ(charsetAdded(form("\xD3\xC3\xBB\xA7\xC3\xFB\xB3\xC6", fonts({1}))), "no group");  // GBK text
    EXPECT_EQ(charsetAdded(form("Form1", ""), ChosenByHand(CodePage::ShiftJis)), "no group");
}

TEST_F(RunCorrectionTest, fontGroup_onceAdded_scalesLikeAnyOther) {
    Lines corrected = CorrectedForm({"Begin VB.Form Form1", "End"}, 150);
    corrected = CorrectedForm(corrected, 200);
    EXPECT_EQ(corrected.size(), 11u);
    EXPECT_EQ(corrected[3], "      Size            =   24.74");
}

// --- TrueType fonts ------------------------------------------------------------------------

TEST_F(RunCorrectionTest, trueTypeFonts_theAddedGroupNamesMicrosoftSansSerif) {
    Load("Begin VB.Form Form1\r\n   Caption         =   \"Form1\"\r\nEnd\r\n");
    ASSERT_EQ(RunCorrection(u"80", lines, port, {.trueTypeFonts = true}), CorrectionOutcome::Corrected);
    Lines corrected;
    for (int line = 1; line <= lines.LineCount(); ++line)
        corrected.push_back(Narrow(lines.Line(line)));
    EXPECT_EQ(corrected, Joined({{"Begin VB.Form Form1", "   Caption         =   \"Form1\""},
                                 FontGroup("   ", "6.6", "1", "Microsoft Sans Serif"),
                                 {"End"}}));
    EXPECT_EQ(LastMessage(), kFinished);
}

// Only a font group's Name is a face: the same words in another group's or a block's own Name
// stay, as does a face written with more than its name between the quotes.
TEST_F(RunCorrectionTest, trueTypeFonts_onlyAFontGroupsNameIsAFace) {
    const Lines form = {"Begin VB.MDIForm Main",          "   Name = \"Courier\"", "   BeginProperty Panel1",
                        "      Name = \"MS Sans Serif\"", "   EndProperty",        "   BeginProperty Font",
                        "      Name = \"Courier \"",      "   EndProperty",        "   BeginProperty SelFont",
                        "      NAME = \"COURIER\"",       "   EndProperty",        "End"};
    Lines expected = form;
    expected[9] = "      NAME = \"Courier New\"";
    std::string bytes;
    for (const std::string& line : form)
        bytes += line + "\r\n";
    Load(bytes);
    ASSERT_EQ(RunCorrection(u"100", lines, port, {.trueTypeFonts = true}), CorrectionOutcome::Corrected);
    Lines corrected;
    for (int line = 1; line <= lines.LineCount(); ++line)
        corrected.push_back(Narrow(lines.Line(line)));
    EXPECT_EQ(corrected, expected);
}

// A correction that leaves a font group in MS Sans Serif under 8 points, which Windows shows
// at 8, says so in a line after its end; with TrueType fonts chosen, or in other faces, not.
TEST_F(RunCorrectionTest, bitmapSansSerifUnderEightPoints_isSaidUnlessTrueTypeFontsAreChosen) {
    const MessageLines tooSmall{messages::CorrectionFinished(), messages::BitmapSansSerifTooSmall()};
    auto said = [this](const std::string& group, const std::string& face, const std::string& size,
                       const std::u16string& percent, bool trueType = false) {
        Load(
            "Begin VB.Form Form1\r\n   BeginProperty Font\r\n   EndProperty\r\n   Begin VB.Label L\r\n"
            "      BeginProperty " +
            group + "\r\n         Name = \"" + face + "\"\r\n         Size = " + size +
            "\r\n      EndProperty\r\n   End\r\nEnd\r\n");
        EXPECT_EQ(RunCorrection(percent, lines, port, {.trueTypeFonts = trueType}), CorrectionOutcome::Corrected);
        return LastMessage();
    };
    EXPECT_EQ(said("Font", "MS Sans Serif", "8.25", u"80"), tooSmall);
    EXPECT_EQ(said("Font", "MS Sans Serif", "8.25", u"80", true), kFinished);
    EXPECT_EQ(said("Font", "MS Sans Serif", "8.25", u"120"), kFinished);
    EXPECT_EQ(said("Font", "MS Sans Serif", "10", u"80"), kFinished);  // 8 points: shown as asked
    EXPECT_EQ(said("Font", "MS Sans Serif", "10", u"79"), tooSmall);
    EXPECT_EQ(said("HeadFont", "ms sans serif", "8,25", u"90"), tooSmall);
    EXPECT_EQ(said("Font", "Arial", "8.25", u"50"), kFinished);
    EXPECT_EQ(said("Font", "Microsoft Sans Serif", "8.25", u"50"), kFinished);
    EXPECT_EQ(said("Panel1", "MS Sans Serif", "7.5", u"100"), kFinished);  // no font group
    // The group a correction adds is the form's font in MS Sans Serif.
    Load("Begin VB.Form Form1\r\nEnd\r\n");
    EXPECT_EQ(Run(u"90"), CorrectionOutcome::Corrected);
    EXPECT_EQ(LastMessage(), tooSmall);
    Load("Begin VB.Form Form1\r\nEnd\r\n");
    EXPECT_EQ(RunCorrection(u"90", lines, port, {.trueTypeFonts = true}), CorrectionOutcome::Corrected);
    EXPECT_EQ(LastMessage(), kFinished);
}

// A form a few bytes under the largest a read takes: grown past it, it could be saved but
// never read again, so the run is refused as the file would be; shrunk, it is corrected.
TEST_F(RunCorrectionTest, resultPastTheLargestFile_refusesTheRun) {
    std::string bytes = "Begin VB.Form Form1\r\n   BeginProperty Font\r\n   EndProperty\r\n";
    for (int control = 0; control < 100; ++control)
        bytes += "   Left = 999\r\n";
    const std::string tag = "   Tag = \"" + std::string(4000, 'x') + "\"\r\n";
    while (bytes.size() + tag.size() + 8 <= kMaxFileSize)
        bytes += tag;
    bytes += std::string(kMaxFileSize - 8 - bytes.size(), ' ') + "\r\nEnd\r\n";
    ASSERT_EQ(bytes.size(), kMaxFileSize - 1);
    Load(bytes);
    EXPECT_EQ(Run(u"200"), CorrectionOutcome::TooLarge);  // 999 becomes 1998: a byte more each
    EXPECT_EQ(LastMessage(), MessageLines{messages::TooLarge(folder.Path("form.frm"))});
    EXPECT_EQ(lines.Line(4), u"   Left = 999");
    EXPECT_EQ(Run(u"50"), CorrectionOutcome::Corrected);
    EXPECT_EQ(lines.Line(4), u"   Left = 500");
}

TEST_F(RunCorrectionTest, fontGroup_thatWouldPassTheLineLimit_refusesTheRun) {
    std::string bytes = "Begin VB.Form Form1\r\n   Top = 100\r\n";
    for (int line = 3; line < 32758; ++line)
        bytes += "   Tag = \"\"\r\n";
    Load(bytes + "End\r\n");
    EXPECT_EQ(Run(u"150"), CorrectionOutcome::TooLong);
    EXPECT_EQ(LastMessage(), MessageLines{messages::TooLong(folder.Path("form.frm"))});
    EXPECT_EQ(lines.LineCount(), 32758);
    EXPECT_EQ(lines.Line(2), u"   Top = 100");
    Load("Begin VB.Form Form1\r\n   Top = 1E300\r\n" + bytes.substr(bytes.find("   Tag")) + "End\r\n");
    EXPECT_EQ(Run(u"150"), CorrectionOutcome::ValueOutOfRange);  // found first, told first
    Load(bytes.substr(0, bytes.size() - 13) + "End\r\n");        // 32757 lines and the group: the limit
    EXPECT_EQ(Run(u"150"), CorrectionOutcome::Corrected);
    EXPECT_EQ(lines.LineCount(), 32766);
}

// --- Random forms ------------------------------------------------------------------------

// Random forms built the way the designer builds them: nesting, groups, user-scale
// containers holding lines, tabbed dialogs with hidden tabs, names in any case, Forms 2.0
// sizes, code after the description. Whatever the mix: no line outside the description
// and no line whose name the table of layout names never scales changes, and a changed line
// differs from the old one only where a number stood after its "=".
class RandomForm {
public:
    explicit RandomForm(unsigned seed) : random_(seed) {}

    Lines Make() {
        lines_ = {"VERSION 5.00", Pick({"Object = \"{x}#1.0#0\"; \"x.ocx\"", "Top  =   100", "Size = 8"})};
        description_.assign(lines_.size(), false);
        Block(0);
        const bool unclosed = Chance(4);
        if (unclosed) {
            lines_.pop_back();
            description_.pop_back();
        }
        while (Chance(2))
            Add(Pick({"Attribute VB_Name = \"Form1\"", "    Me.Top = 100", "Private Const UsedKeySize   As Long = 5",
                      "Begin VB.Label Label1", "End", "   Left = 1"}),
                unclosed);
        return lines_;
    }
    bool InDescription(std::size_t line) const { return description_[line]; }

private:
    bool Chance(unsigned oneIn) { return random_() % oneIn == 0; }
    std::string Pick(std::initializer_list<const char*> choices) {
        return *(choices.begin() + random_() % choices.size());
    }
    void Add(const std::string& line, bool inDescription) {
        lines_.push_back(line);
        description_.push_back(inDescription);
    }
    std::string Indent(int depth) { return std::string(static_cast<std::size_t>(depth) * 3, Chance(8) ? '\t' : ' '); }
    std::string AnyCase(std::string name) {
        if (Chance(4))
            for (char& c : name)
                c = static_cast<char>(Chance(2) ? std::toupper(c) : std::tolower(c));
        return name;
    }
    std::string Property() {
        static const char* const names[] = {
            "Top",       "Left",        "Width",       "Height",       "ClientWidth", "ScaleHeight", "ScaleTop",
            "ScaleMode", "ImageWidth",  "ImageHeight", "X1",           "Y2",          "_ExtentX",    "Size",
            "FontSize",  "AutoSize",    "CacheSize",   "ButtonSize",   "Caption",     "BorderWidth", "_cy",
            "Width1",    "Indentation", "MarginRight", "RowHeightMin", "Tab",         "Index",       "LinkTopic"};
        static const char* const values[] = {"100",
                                             "0",
                                             "1",
                                             "-74880",
                                             "6127.313",
                                             "8.25",
                                             "0  'User",
                                             "-1  'True",
                                             "\"Top  5\"",
                                             "123456.78901",
                                             "1.5",
                                             "&H10",
                                             "",
                                             "  7  ",
                                             "0.4",
                                             "1E3",
                                             "+5",
                                             "&O17",
                                             "-.5",
                                             "1.2.3",
                                             "9 9 9",
                                             "x",
                                             "5            tail",
                                             "12345678 9",
                                             "8,25",
                                             "\"5318;67\"",
                                             "\"1;2\" x",
                                             "\"3;\""};
        std::string line = AnyCase(names[random_() % std::size(names)]);
        line.resize(line.size() + random_() % 16, ' ');
        return line + "=" + std::string(random_() % 5, ' ') + values[random_() % std::size(values)];
    }
    void Group(int depth) {
        Add(Indent(depth) + Pick({"BeginProperty Font", "BeginProperty HeadFont", "BeginProperty Images",
                                  "BeginProperty\tDefaultFont x", "BeginProperty FONT"}),
            true);
        for (int i = 0; i < 3; ++i)
            Add(Indent(depth + 1) + Property(), true);
        if (Chance(3))
            Group(depth + 1);
        if (!Chance(5))
            Add(Indent(depth) + "EndProperty", true);
    }
    void TabbedDialog(int depth) {
        Add(Indent(depth) + "Begin TabDlg.SSTab Tabs" + std::to_string(lines_.size()), true);
        if (!Chance(3))
            Add(Indent(depth + 1) + AnyCase("Tab") + " = " + std::to_string(random_() % 3), true);
        const int children = static_cast<int>(random_() % 4);
        for (int i = 0; i < children; ++i)
            Add(Indent(depth + 1) + "Tab(" + std::to_string(random_() % 3) + ").Control(" + std::to_string(i) +
                    ")=   \"C" + std::to_string(i) + (Chance(2) ? "(1)\"" : "\""),
                true);
        for (int i = 0; i < children; ++i) {
            Add(Indent(depth + 1) + Pick({"Begin VB.Line C", "Begin VB.Label C"}) + std::to_string(i), true);
            if (Chance(2))
                Add(Indent(depth + 2) + "Index = 1", true);
            Add(Indent(depth + 2) + AnyCase("Left") + " = " +
                    std::to_string(-75000 + static_cast<int>(random_() % 9000)),
                true);
            Add(Indent(depth + 2) + "X1 = " + std::to_string(-75000 + static_cast<int>(random_() % 9000)), true);
            if (Chance(3))
                Block(depth + 2);
            Add(Indent(depth + 1) + "End", true);
        }
        Add(Indent(depth) + "End", true);
    }
    void Block(int depth) {
        Add(Indent(depth) + Pick({"Begin VB.Control Control", "Begin VB.Line Line", "Begin VB.PictureBox Picture"}) +
                std::to_string(lines_.size()),
            true);
        const int items = static_cast<int>(random_() % 6);
        for (int i = 0; i < items; ++i) {
            if (depth < 4 && Chance(8))
                TabbedDialog(depth + 1);
            else if (depth < 4 && Chance(4))
                Block(depth + 1);
            else if (Chance(4))
                Group(depth + 1);
            else
                Add(Indent(depth + 1) + Property(), true);
        }
        Add(Indent(depth) + "End", true);
    }

    std::mt19937 random_;
    Lines lines_;
    std::vector<bool> description_;
};

// Whether the table of layout names scales a property of this line's name anywhere: in a
// block's own lines or in a font group.
bool HasLayoutName(const std::string& line) {
    std::string name = line.substr(0, line.find('='));
    name.erase(0, name.find_first_not_of(" \t"));
    name.erase(name.find_last_not_of(" \t") + 1);
    const std::u16string wide = Wide(name);
    return KindOfValue(wide, {}) != ValueKind::Kept || KindOfValue(wide, {true, u"Font", false}) != ValueKind::Kept;
}

// Where a line's value stands: after its first "=", and for a quoted value, inside the quotes
// (from the opening quote's next character to the closing quote).
struct ValueBounds {
    std::size_t first;
    std::size_t end;
};

ValueBounds ValueOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    const std::size_t start = line.find_first_not_of(" \t", equals + 1);
    if (start == std::string::npos || line[start] != '"')
        return {equals + 1, line.size()};
    const std::size_t closing = line.find('"', start + 1);
    return {start + 1, closing == std::string::npos ? line.size() : closing};
}

// A percent from 20 to 500 for both axes, or one for each written with an x or a ×.
struct RandomPercent {
    std::u16string text;
    std::string across;
    std::string down;
};

RandomPercent MakeRandomPercent(std::mt19937& random) {
    const std::string across = std::to_string(20 + random() % 481);
    const std::string down = random() % 3 == 0 ? across : std::to_string(20 + random() % 481);
    switch (random() % 3) {
    case 0:
        if (down == across)
            return {Wide(across), across, down};
        [[fallthrough]];
    case 1:
        return {Wide(across) + u"x" + Wide(down), across, down};
    default:
        return {Wide(across) + u" \u00D7 " + Wide(down), across, down};
    }
}

// The trimmed text of a line before its "=" and after it.
std::pair<std::string, std::string> NameAndValue(const std::string& line) {
    const auto trimmed = [](std::string text) {
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t") + 1);
        return text;
    };
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return {};
    return {trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

TEST_F(RunCorrectionTest, randomForms_changeOnlyTheValuesOfLayoutLinesInsideTheDescription) {
    std::mt19937 percents(20261207);
    int changed = 0;
    int onAnAxis = 0;
    for (unsigned round = 0; round < 400; ++round) {
        RandomForm maker(round);
        const Lines form = maker.Make();
        const RandomPercent percent = MakeRandomPercent(percents);
        // Checked out with LF endings, as the designer writes them, or a mix of the two.
        std::vector<LineEnding> endings;
        std::string bytes;
        for (const std::string& line : form) {
            const bool lf = round % 3 == 0 || (round % 3 == 2 && percents() % 2 == 0);
            endings.push_back(lf ? LineEnding::Lf : LineEnding::CrLf);
            bytes += line + (lf ? "\n" : "\r\n");
        }
        Load(bytes);
        const CorrectionOutcome outcome = Run(percent.text);
        ASSERT_NE(outcome, CorrectionOutcome::PercentRefused) << Narrow(percent.text);
        if (outcome != CorrectionOutcome::Corrected)
            continue;
        for (std::size_t i = 0; i < form.size(); ++i) {
            const std::string& was = form[i];
            const std::string now = Narrow(lines.Line(static_cast<int>(i) + 1));
            ASSERT_EQ(lines.EndingOf(static_cast<int>(i) + 1), endings[i]) << round << ": " << was;
            // A length of 100 becomes the percent of its axis: a Width the one across, a Height
            // the one down.
            if (const auto [name, value] = NameAndValue(was); maker.InDescription(i) && value == "100") {
                const auto named = [&name](std::initializer_list<std::u16string_view> names) {
                    return std::any_of(names.begin(), names.end(), [&name](std::u16string_view one) {
                        return EqualIgnoringAsciiCase(Wide(name), one);
                    });
                };
                const bool across = named(
                    {u"Width", u"ClientWidth", u"_ExtentX", u"Width1", u"Indentation", u"MarginRight", u"BorderWidth"});
                const bool down = named({u"Height", u"_cy", u"RowHeightMin"});
                if (across || down) {
                    ASSERT_EQ(NameAndValue(now).second, across ? percent.across : percent.down) << round << ": " << now;
                    ++onAnAxis;
                }
            }
            if (now == was)
                continue;
            ++changed;
            ASSERT_TRUE(maker.InDescription(i)) << round << ": " << was;
            ASSERT_TRUE(HasLayoutName(was)) << round << ": " << was;
            std::size_t prefix = 0;
            while (prefix < was.size() && prefix < now.size() && was[prefix] == now[prefix])
                ++prefix;
            std::size_t suffix = 0;
            while (suffix < was.size() - prefix && suffix < now.size() - prefix &&
                   was[was.size() - 1 - suffix] == now[now.size() - 1 - suffix])
                ++suffix;
            // The line differs only inside the value the plan changed.
            const ValueBounds value = ValueOf(was);
            ASSERT_GE(prefix, value.first) << round << ": " << was << " -> " << now;
            ASSERT_LE(was.size() - suffix, value.end) << round << ": " << was << " -> " << now;
            const std::string added = now.substr(prefix, now.size() - prefix - suffix);
            ASSERT_EQ(added.find_first_of("\"\r\n"), std::string::npos) << round << ": " << now;
        }
    }
    EXPECT_GT(changed, 1000);
    EXPECT_GT(onAnAxis, 30);
}

}  // namespace
}  // namespace tremaro
