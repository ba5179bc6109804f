#include "core/correction.h"
#include "core/layout_names.h"
#include "core/messages.h"
#include "platform/numbers.h"

#include "cli/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace tremaro {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

const char* const kRefused = messages::kPercentRefused;
const char* const kFinished = messages::kCorrectionFinished;

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
    std::string bytes = "Begin VB.Form Form1\r\n";
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

std::u16string Corrected(const std::u16string& line, int percent) {
    const OneLine corrected = CorrectedLine(line, percent);
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
    std::string LastMessage() const { return port.Messages().empty() ? "" : port.Messages().back().text; }

    // The file's lines as a correction at percent leaves them.
    Lines CorrectedForm(const Lines& form, int percent) {
        std::string bytes;
        for (const std::string& line : form)
            bytes += line + "\r\n";
        Load(bytes);
        EXPECT_EQ(Run(Wide(std::to_string(percent))), CorrectionOutcome::Corrected);
        Lines corrected;
        for (int line = 1; line <= lines.LineCount(); ++line)
            corrected.push_back(Narrow(lines.Line(line)));
        return corrected;
    }
    // The lines inside a small form: the form's own block.
    Lines CorrectedInForm(const Lines& properties, int percent) {
        Lines form = {"VERSION 5.00", "Begin VB.Form Form1"};
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
    Load("Begin VB.Form Form1\r\nTop  =   100\r\nEnd\r\n");
    for (const std::u16string percent : {u"19.99", u"500.01", u"abc", u"", u"-120", u"1e999", u"0"}) {
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
    for (const std::u16string percent : {u"20", u"500", u"120%", u"  1 2 0", u"&H64"}) {
        Load("Begin VB.Form Form1\r\nTop  =   100\r\nEnd\r\n");
        EXPECT_EQ(Run(percent), CorrectionOutcome::Corrected);
        EXPECT_EQ(LastMessage(), kFinished);
    }
}

TEST_F(RunCorrectionTest, beforeAnyRead_saysThereIsNoForm) {
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::NoForm);
    EXPECT_EQ(LastMessage(), messages::kNoForm);
}

TEST_F(RunCorrectionTest, form_isCorrectedAndShownWithoutALeadingEmptyLine) {
    Load(
        "VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\r\n   LinkTopic       =   \"Form1\"\r\n"
        "   BeginProperty Font\r\n      Size            =   8.25\r\n   EndProperty\r\nEnd\r\n");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(
        port.ViewText(),
        u"VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =  3834 \r\n   LinkTopic       =   \"Form1\"\r\n"
        u"   BeginProperty Font\r\n      Size            =  9.9  \r\n   EndProperty\r\nEnd\r\n");
    ASSERT_EQ(port.Messages().size(), 1u);
}

TEST_F(RunCorrectionTest, secondRun_scalesTheScaledValuesAgain) {
    Load("Begin VB.Form Form1\r\n   Top             =   100\r\nEnd\r\n");
    Run(u"150");
    Run(u"150");
    EXPECT_EQ(lines.Line(2), u"   Top             =  225 ");
}

// --- Rules 1 and 2: only the description's property lines can change --------------------

TEST_F(RunCorrectionTest, structure_linesBeforeAndAfterTheDescription_neverChange) {
    const Lines form = {
        "VERSION 5.00",
        "Top  =   100",
        "BeginProperty Font",
        "Size  =   8",
        "Beginning = 100",
        "Begin VB.Form Form1 ",
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
    expected[6] = "   Top  =  120 ";
    expected[8] = "      Top  =  120 ";
    expected[10] = "   Width  =  120 ";
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
        "Begin VB.Form Form1", "End Sub", "EndX", "end", "Top = 100", "End", "Top = 100",
    };
    Lines expected = form;
    expected[4] = "Top =  120";
    EXPECT_EQ(CorrectedForm(form, 120), expected);
}

TEST_F(RunCorrectionTest, structure_unclosedDescription_runsToTheLastLine) {
    EXPECT_EQ(CorrectedForm({"Begin VB.Form Form1", "   Begin VB.Label Label1", "   End", "Top =   100"}, 150),
              (Lines{"Begin VB.Form Form1", "   Begin VB.Label Label1", "   End", "Top =  150 "}));
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
        "Begin VB.Form Form1",
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
    expected[3] = "         Size =  10";
    expected[11] = "      Size =  10";
    EXPECT_EQ(CorrectedForm(form, 125), expected);
}

// --- Rule 3: whole numbers ---------------------------------------------------------------

TEST_F(RunCorrectionTest, wholeNumbers_namesEndingInTopLeftWidthHeight) {
    EXPECT_EQ(CorrectedInForm({"   Left            =   100", "   ClientWidth     =   100", "   ScaleHeight     =   100",
                               "   Object.Width           =   100", "   BorderWidth     =   100",
                               "   ColumnHeaderHeight=   285", "\tTop\t=\t100"},
                              150),
              (Lines{"   Left            =  150 ", "   ClientWidth     =  150 ", "   ScaleHeight     =  150 ",
                     "   Object.Width           =  150 ", "   BorderWidth     =  150 ", "   ColumnHeaderHeight=  428 ",
                     "\tTop\t=  150"}));
}

TEST_F(RunCorrectionTest, wholeNumbers_lineEndsAndExtents) {
    EXPECT_EQ(
        CorrectedInForm({"X1 = 100", "Y1 = 100", "X2 = 100", "Y2 = 100", "_ExtentX = 100", "_ExtentY = 100"}, 150),
        (Lines{"X1 =  150", "Y1 =  150", "X2 =  150", "Y2 =  150", "_ExtentX =  150", "_ExtentY =  150"}));
}

TEST_F(RunCorrectionTest, wholeNumbers_otherNamesAndImageSizes_stay) {
    const Lines properties = {
        "   ImageWidth      =   16",  "   ImageHeight     =   16",      "   LinkTopic       =   100",
        "   Caption = \"Top  5\"",    "   Caption         =   5 Top  ", "   top             =   100",
        "   WIDTH           =   100", "   x1              =   100",     "   X3              =   100",
        "   Object._ExtentX =   100", "   X1Y             =   100",     "   TopMargin       =   100",
    };
    EXPECT_EQ(CorrectedInForm(properties, 150), properties);
}

TEST_F(RunCorrectionTest, userScale_keepsTheBlocksOwnScaleProperties) {
    const Lines form = {
        "Begin VB.Form Form1",
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
        expected[static_cast<std::size_t>(scaled)].replace(expected[static_cast<std::size_t>(scaled)].find("=   100"),
                                                           7, "=  150 ");
    EXPECT_EQ(CorrectedForm(form, 150), expected);
}

TEST_F(RunCorrectionTest, userScale_isScaleModeThatValReadsAsZero) {
    for (const char* mode : {"0", " 0  'User", "&H0", "0.0", "-0", "0 1"}) {
        const std::string scaleMode = std::string("ScaleMode = ") + mode;
        const bool user = std::string(mode) != "0 1";
        EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", scaleMode}, 150)[0], user ? "ScaleTop = 100" : "ScaleTop =  150")
            << mode;
    }
    for (const char* notUser :
         {"ScaleMode = 'User", "ScaleMode = 3", "ScaleModeX = 0", "scalemode = 0", "Scale Mode = 0"})
        EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", notUser}, 150)[0], "ScaleTop =  150") << notUser;
    EXPECT_EQ(CorrectedInForm({"ScaleTop = 100", "  ScaleMode\t=0"}, 150)[0], "ScaleTop = 100");
}

// --- Rule 4: font sizes ------------------------------------------------------------------

TEST_F(RunCorrectionTest, fontSizes_sizeInAFontGroupAndNamesEndingInFontSize) {
    const Lines form = {
        "Begin VB.Form Form1",
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
        "   BeginProperty font",
        "      Size            =   8.25",
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
        line.replace(line.find("=   8.25"), 8, "=  9.9  ");
    }
    EXPECT_EQ(CorrectedForm(form, 120), expected);
}

TEST(CorrectLine, fontSize_isCutToTwoDecimals) {
    EXPECT_EQ(Corrected(u"      FontSize        =   8.25", 133), u"      FontSize        =  10.97");
    EXPECT_EQ(Corrected(u"      FontSize        =   9.75", 50), u"      FontSize        =  4.87 ");
    EXPECT_EQ(Corrected(u"      FontSize        =   1", 20), u"      FontSize        =  0.2");
}

// --- Rule 5: no other line ---------------------------------------------------------------

TEST_F(RunCorrectionTest, otherNames_stay) {
    const Lines properties = {"   AutoSize        =   -1",         "   CacheSize       =   50",
                              "   ButtonSize      =   9",          "   Size            =   5318",
                              "   Font.Size       =   8",          "   TabIndex        =   3",
                              "   Size            =   \"5318;67\""};
    EXPECT_EQ(CorrectedInForm(properties, 120), properties);
}

// --- What stays as it was ----------------------------------------------------------------

TEST(CorrectLine, wholeNumber_keepsTheDesignersPadding) {
    EXPECT_EQ(Corrected(u"      Height          =   495", 120), u"      Height          =  594 ");
    EXPECT_EQ(Corrected(u"   ClientTop       =   15", 150), u"   ClientTop       =  22 ");
    EXPECT_EQ(Corrected(u"   Top             =   25", 150), u"   Top             =  38 ");
    EXPECT_EQ(Corrected(u"   Width           =   -100", 80), u"   Width           =  -80  ");
}

TEST(CorrectLine, numberNeedingMoreRoom_widensTheLine) {
    EXPECT_EQ(Corrected(u"      FontSize        =   9", 120), u"      FontSize        =  10.8");
    EXPECT_EQ(Corrected(u"Top  =9", 500), u"Top  =  45");
}

TEST(CorrectLine, shortNumberInAWideField_fillsItWithBlanks) {
    EXPECT_EQ(Corrected(u"Top  =   5         tail", 120), u"Top  =  6          tail");
    EXPECT_EQ(Corrected(u"Top  =   5", 120), u"Top  =  6 ");
}

TEST(CorrectLine, linesThatAreNoMeasures_stayAsTheyAre) {
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

TEST(CorrectLine, valueTextIsReadLikeVal) {
    EXPECT_EQ(Corrected(u"Top  =   &H10", 200), u"Top  =  32   ");
    EXPECT_EQ(Corrected(u"Top  =   1 0", 200), u"Top  =  20  ");
}

TEST(CorrectLine, hiddenTabControl_isScaledWhereItStands) {
    EXPECT_EQ(Corrected(u"      Left            =   -74880", 120), u"      Left            =  -74856 ");
    EXPECT_EQ(Corrected(u"      Left            =   -60000", 50), u"      Left            =  -67500 ");
    EXPECT_EQ(Corrected(u"      Left            =   -59999", 50), u"      Left            =  -30000 ");
    EXPECT_EQ(Corrected(u"   ClientLeft      =   -70000", 50), u"   ClientLeft      =  -35000 ");
    EXPECT_EQ(Corrected(u"\tLeft  \t=   -70000", 50), u"\tLeft  \t=  -72500 ");
}

TEST(CorrectLine, unrepresentableValue_isOutOfRange) {
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
        "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Top             =   100\r\n   Width           =2000000000\r\n"
        "   Left  =3000000000\r\nEnd\r\n");
    EXPECT_EQ(Run(u"200"), CorrectionOutcome::ValueOutOfRange);
    EXPECT_EQ(LastMessage(), messages::ValueOutOfRange(4));
    EXPECT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(lines.Line(3), u"   Top             =   100");
    EXPECT_EQ(port.ViewText(), u"");
}

TEST_F(RunCorrectionTest, outOfRangeValueOnALineThatStays_doesNotRefuse) {
    Load(
        "Top = 9999999999\r\nBegin VB.Form Form1\r\n   Top             =   9999999999 'x\r\n"
        "   Width           =   \"9E999\"\r\n   ImageWidth      =   9999999999\r\n   CacheSize = 9E999\r\n"
        "   ScaleTop = 9999999999\r\n   ScaleMode = 0\r\nEnd\r\nTop = 9999999999\r\n");
    EXPECT_EQ(Run(u"500"), CorrectionOutcome::Corrected);
}

// --- Rule 6: a number running past the field is taken whole ------------------------------

TEST(CorrectLine, numberRunningPastTheField_isReadAndReplacedWhole) {
    EXPECT_EQ(Corrected(u"ScaleHeight     =   6127.313", 120), u"ScaleHeight     =  7353     ");
    EXPECT_EQ(Corrected(u"Top  =         5123", 100), u"Top  =  5123       ");
    EXPECT_EQ(Corrected(u"Left  =   12345678XY", 20), u"Left  =  2469136  XY");
    EXPECT_EQ(Corrected(u"Top  =   1234567 89", 200), u"Top  =  2469134  89");
    EXPECT_EQ(Corrected(u"Top  =   123456.7.8.9", 100), u"Top  =  123457       ");
    EXPECT_EQ(OutcomeOf(u"Top  =   12345678901234", 100), CorrectionOutcome::ValueOutOfRange);
}

// --- Rule 7: a whole number of 1 or more stays at least 1 --------------------------------

TEST(CorrectLine, wholeNumberOfOneOrMore_neverBecomesLessThanOne) {
    EXPECT_EQ(Corrected(u"   BorderWidth     =   1", 20), u"   BorderWidth     =  1 ");
    EXPECT_EQ(Corrected(u"   BorderWidth     =   1", 49), u"   BorderWidth     =  1 ");
    EXPECT_EQ(Corrected(u"   BorderWidth     =   2", 20), u"   BorderWidth     =  1 ");
    EXPECT_EQ(Corrected(u"   Width           =   0.9", 50), u"   Width           =  0   ");
    EXPECT_EQ(Corrected(u"   Width           =   0", 50), u"   Width           =  0 ");
    EXPECT_EQ(Corrected(u"   Left            =   -1", 20), u"   Left            =  0  ");
    EXPECT_EQ(Corrected(u"   Left            =   -2", 20), u"   Left            =  0  ");
}

// --- Rule 8: the text is the file's lines ------------------------------------------------

TEST_F(RunCorrectionTest, emptyFile_endsWithAnEmptyText) {
    Load("");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(port.ViewText(), u"");
    EXPECT_EQ(LastMessage(), kFinished);
}

// Random forms built the way the designer builds them, with nesting, groups, user scale,
// code after the description and the property names the rules speak of. Whatever the mix:
// no line outside the description and no line whose name is not a layout name changes,
// and a changed line differs only in its value field, which grew only as far as a number
// ran on.
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
    std::string Property() {
        static const char* const names[] = {
            "Top",       "Left",       "Width",       "Height",     "ClientWidth", "ScaleHeight", "ScaleTop",
            "ScaleMode", "ImageWidth", "ImageHeight", "X1",         "Y2",          "_ExtentX",    "Size",
            "FontSize",  "AutoSize",   "CacheSize",   "ButtonSize", "Caption",     "BorderWidth", "ColumnHeaderHeight",
            "top",       "LinkTopic"};
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
                                             "12345678 9"};
        std::string line = names[random_() % std::size(names)];
        line.resize(line.size() + random_() % 16, ' ');
        return line + "=" + std::string(random_() % 5, ' ') + values[random_() % std::size(values)];
    }
    void Group(int depth) {
        Add(Indent(depth) + Pick({"BeginProperty Font", "BeginProperty HeadFont", "BeginProperty Images",
                                  "BeginProperty\tDefaultFont x"}),
            true);
        for (int i = 0; i < 3; ++i)
            Add(Indent(depth + 1) + Property(), true);
        if (Chance(3))
            Group(depth + 1);
        if (!Chance(5))
            Add(Indent(depth) + "EndProperty", true);
    }
    void Block(int depth) {
        Add(Indent(depth) + "Begin VB.Control Control" + std::to_string(lines_.size()), true);
        const int items = static_cast<int>(random_() % 6);
        for (int i = 0; i < items; ++i) {
            if (depth < 4 && Chance(4))
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

TEST_F(RunCorrectionTest, randomForms_changeOnlyLayoutValuesInsideTheDescription) {
    std::mt19937 percents(20261207);
    int changed = 0;
    for (unsigned round = 0; round < 400; ++round) {
        RandomForm maker(round);
        const Lines form = maker.Make();
        const int percent = 20 + static_cast<int>(percents() % 481);
        std::string bytes;
        for (const std::string& line : form)
            bytes += line + "\r\n";
        Load(bytes);
        if (Run(Wide(std::to_string(percent))) != CorrectionOutcome::Corrected)
            continue;
        for (std::size_t i = 0; i < form.size(); ++i) {
            const std::string& was = form[i];
            const std::string now = Narrow(lines.Line(static_cast<int>(i) + 1));
            if (now == was)
                continue;
            ++changed;
            ASSERT_TRUE(maker.InDescription(i)) << round << ": " << was;
            ASSERT_TRUE(HasLayoutName(was)) << round << ": " << was;
            const std::size_t start = was.find('=') + 1;
            std::size_t field = std::min<std::size_t>(10, was.size() - start);
            const auto digitOrPoint = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
            while (field > 0 && start + field < was.size() && digitOrPoint(was[start + field]) &&
                   digitOrPoint(was[start + field - 1]))
                ++field;
            const std::size_t newField = now.size() - (was.size() - field);
            ASSERT_EQ(now.substr(0, start), was.substr(0, start)) << round;
            ASSERT_EQ(now.substr(start + newField), was.substr(start + field)) << round << ": " << was;
            ASSERT_GE(newField, field) << round;
            ASSERT_EQ(now.substr(start, 2), "  ") << round;
            ASSERT_NE(now.substr(start + 2, 1), " ") << round;
        }
    }
    EXPECT_GT(changed, 1000);
}

}  // namespace
}  // namespace tremaro
