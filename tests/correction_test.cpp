#include "core/correction.h"
#include "platform/numbers.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace tremaro {
namespace {

using testing::ScriptedPort;
using testing::TempFolder;

constexpr const char* kRefused = "Недопустим процент на корекцията.\r\nДопустими стойности са от 20 до 500.";
constexpr const char* kFinished = "Край на корекцията.";

// The line as the correction leaves it at the given percent.
std::u16string Corrected(const std::u16string& line, double percent) {
    const LineCorrection result = CorrectLine(line, percent / 100);
    EXPECT_NE(result.status, LineCorrection::Status::OutOfRange);
    return result.status == LineCorrection::Status::Rewritten ? result.text : line;
}

TEST(CorrectLine, wholeNumber_keepsTheDesignersPadding) {
    EXPECT_EQ(Corrected(u"      Height          =   495", 120), u"      Height          =  594 ");
    EXPECT_EQ(Corrected(u"   ClientTop       =   15", 150), u"   ClientTop       =  22 ");
    EXPECT_EQ(Corrected(u"   Top             =   25", 150), u"   Top             =  38 ");
    EXPECT_EQ(Corrected(u"   Width           =   -100", 80), u"   Width           =  -80  ");
}

TEST(CorrectLine, fontSize_isCutToTwoDecimals) {
    EXPECT_EQ(Corrected(u"      Size            =   8.25", 120), u"      Size            =  9.9  ");
    EXPECT_EQ(Corrected(u"      Size            =   8.25", 133), u"      Size            =  10.97");
    EXPECT_EQ(Corrected(u"      Size            =   9.75", 50), u"      Size            =  4.87 ");
}

TEST(CorrectLine, numberNeedingMoreRoom_widensTheLine) {
    EXPECT_EQ(Corrected(u"      Size            =   9", 120), u"      Size            =  10.8");
    EXPECT_EQ(Corrected(u"      Size            =   10", 133), u"      Size            =  13.3");
    EXPECT_EQ(Corrected(u"Top  =9", 500), u"Top  =  45");
}

TEST(CorrectLine, shortNumberInAWideWindow_fillsItWithBlanks) {
    const std::u16string line = u"Top  =   5         tail";
    const std::u16string corrected = Corrected(line, 120);
    EXPECT_EQ(corrected, u"Top  =  6          tail");
    EXPECT_EQ(corrected.size(), line.size());
    EXPECT_EQ(corrected.find_first_of(u"\r\n"), std::u16string::npos);
    EXPECT_EQ(Corrected(u"Top  =   5", 120), u"Top  =  6 ");
}

TEST(CorrectLine, charactersBeyondTheWindow_stay) {
    EXPECT_EQ(Corrected(u"Left  =   12345678XY", 200), u"Left  =  2469134 8XY");
}

TEST(CorrectLine, linesThatAreNoMeasures_stayAsTheyAre) {
    for (const std::u16string line : {
             u"   LinkTopic       =   \"Form1\"",
             u"      AutoSize        =   -1  'True",
             u"   AutoSize        =   10",
             u"   Top  ",
             u"   Top             =",
             u"      Size            =   \"5318;67\"",
             u"      IntegralHeight  =   0   'False",
             u"   Left            =   100 ' moved by hand",
             u"   Height          =   Me.Height  ",
             u"Width = 100",
             u"Private Sub Form_Resize(): Top  = 0: End Sub 'x",
         })
        EXPECT_EQ(Corrected(line, 150), line);
}

TEST(CorrectLine, valueTextIsReadLikeVal) {
    EXPECT_EQ(Corrected(u"Top  =   &H10", 200), u"Top  =  32   ");
    EXPECT_EQ(Corrected(u"Top  =   1 0", 200), u"Top  =  20  ");
    EXPECT_EQ(Corrected(u"Top  =   12345678901234", 100), u"Top  =  1234567 8901234");
}

TEST(CorrectLine, hiddenTabControl_isScaledWhereItStands) {
    EXPECT_EQ(Corrected(u"      Left            =   -74880", 120), u"      Left            =  -74856 ");
    EXPECT_EQ(Corrected(u"      Left            =   -60000", 50), u"      Left            =  -67500 ");
    EXPECT_EQ(Corrected(u"      Left            =   -59999", 50), u"      Left            =  -30000 ");
    EXPECT_EQ(Corrected(u"   ClientLeft      =   -70000", 50), u"   ClientLeft      =  -35000 ");
    EXPECT_EQ(Corrected(u"\tLeft  \t=   -70000", 50), u"\tLeft  \t=  -72500 ");
}

TEST(CorrectLine, unrepresentableValue_isOutOfRange) {
    EXPECT_EQ(CorrectLine(u"Top  =2000000000", 2.0).status, LineCorrection::Status::OutOfRange);
    EXPECT_EQ(CorrectLine(u"Top  =-999999999", 5.0).status, LineCorrection::Status::OutOfRange);
    EXPECT_EQ(CorrectLine(u"Size  =   9E999", 1.0).status, LineCorrection::Status::OutOfRange);
    EXPECT_EQ(CorrectLine(u"Size  =   1.7E308", 5.0).status, LineCorrection::Status::OutOfRange);
    EXPECT_EQ(CorrectLine(u"Size  =   1E307", 5.0).status, LineCorrection::Status::OutOfRange);
    EXPECT_EQ(CorrectLine(u"Size  =   1E300", 5.0).status, LineCorrection::Status::Rewritten);
    EXPECT_EQ(CorrectLine(u"Top  =2147483647", 1.0).status, LineCorrection::Status::Rewritten);
}

class RunCorrectionTest : public ::testing::Test {
protected:
    void Load(const std::string& bytes) {
        testing::WriteBytes(folder.Path("form.frm"), bytes);
        ASSERT_EQ(lines.LoadFormFile(folder.Path("form.frm")), FormLines::LoadStatus::Loaded);
    }
    CorrectionOutcome Run(const std::u16string& percent) { return RunCorrection(percent, lines, port); }
    std::string LastMessage() const { return port.shown.empty() ? "" : port.shown.back().text; }

    TempFolder folder;
    FormLines lines;
    ScriptedPort port;
};

TEST_F(RunCorrectionTest, percentOutsideTheRange_isRefused) {
    Load("Top  =   100\r\n");
    for (const std::u16string percent : {u"19.99", u"500.01", u"abc", u"", u"-120", u"1e999", u"0"}) {
        port.shown.clear();
        EXPECT_EQ(Run(percent), CorrectionOutcome::PercentRefused);
        ASSERT_EQ(port.shown.size(), 1u);
        EXPECT_EQ(LastMessage(), kRefused);
        EXPECT_EQ(port.shown.back().buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(lines.Line(2), u"Top  =   100");
    EXPECT_EQ(port.viewText, u"");
}

TEST_F(RunCorrectionTest, percentAtTheEdgesOrWithASign_isAccepted) {
    for (const std::u16string percent : {u"20", u"500", u"120%", u"  1 2 0", u"&H64"}) {
        Load("Top  =   100\r\n");
        EXPECT_EQ(Run(percent), CorrectionOutcome::Corrected);
        EXPECT_EQ(LastMessage(), kFinished);
    }
}

TEST_F(RunCorrectionTest, beforeAnyRead_saysThereIsNoForm) {
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::NoForm);
    EXPECT_EQ(LastMessage(), "Няма форма за коригиране.");
}

TEST_F(RunCorrectionTest, emptyFile_endsWithOneEmptyLine) {
    Load("");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(port.viewText, u"\r\n");
    EXPECT_EQ(LastMessage(), kFinished);
}

TEST_F(RunCorrectionTest, form_isCorrectedAndShown) {
    Load("VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\r\n   LinkTopic       =   \"Form1\"\r\n"
         "   BeginProperty Font\r\n      Size            =   8.25\r\n   EndProperty\r\nEnd\r\n");
    EXPECT_EQ(Run(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(port.viewText,
              u"\r\nVERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =  3834 \r\n   LinkTopic       =   \"Form1\"\r\n"
              u"   BeginProperty Font\r\n      Size            =  9.9  \r\n   EndProperty\r\nEnd\r\n");
    ASSERT_EQ(port.shown.size(), 1u);
}

TEST_F(RunCorrectionTest, secondRun_scalesTheScaledValuesAgain) {
    Load("   Top             =   100\r\n");
    Run(u"150");
    Run(u"150");
    EXPECT_EQ(lines.Line(2), u"   Top             =  225 ");
}

TEST_F(RunCorrectionTest, valueOutOfRange_refusesTheWholeRunNamingTheFirstLine) {
    Load("   Top             =   100\r\nx\r\n   Width           =2000000000\r\n   Left  =3000000000\r\n");
    EXPECT_EQ(Run(u"200"), CorrectionOutcome::ValueOutOfRange);
    EXPECT_EQ(LastMessage(), "Стойността на ред 3 е извън допустимия обхват.\r\nФормата не е променена.");
    EXPECT_EQ(port.shown.size(), 1u);
    EXPECT_EQ(lines.Line(2), u"   Top             =   100");
    EXPECT_EQ(port.viewText, u"");
}

TEST_F(RunCorrectionTest, outOfRangeValueThatIsNoMeasure_doesNotRefuse) {
    Load("   Top             =   9999999999 'x\r\n   Width           =   \"9E999\"\r\n");
    EXPECT_EQ(Run(u"500"), CorrectionOutcome::Corrected);
}

// Random lines built from the pieces form files are made of: whatever the mix, a line
// without a key stays as it was, no line gains a line break, and a line's length changes
// only where the number needs more room than its window has.
TEST(CorrectLineProperty, randomLines_keepTheirShape) {
    const std::u16string pieces[] = {u"Top  ", u"Left  ", u"Width  ", u"Height  ", u"Size  ", u"AutoSize", u"=",
                                     u" ", u"   ", u"\t", u"-", u"+", u".", u"'", u"\"", u"E", u"D", u"&H", u"&O",
                                     u"0", u"1", u"5", u"9", u"12", u"74880", u"9999999", u"Caption", u"Ж", u"\u0098",
                                     u"Top", u"Left", u"Size", u"Auto", u"Heigh", u"t", u"p", u"e", u"h", u"Width"};
    std::mt19937 random(20261207);
    for (int round = 0; round < 200000; ++round) {
        std::u16string line;
        const int count = 1 + static_cast<int>(random() % 10);
        for (int i = 0; i < count; ++i)
            line += pieces[random() % std::size(pieces)];
        const double factor = (20 + random() % 481) / 100.0;
        const LineCorrection result = CorrectLine(line, factor);

        const bool hasKey = line.find(u'=') != std::u16string::npos &&
                            (line.find(u"Top  ") != line.npos || line.find(u"Left  ") != line.npos ||
                             line.find(u"Width  ") != line.npos || line.find(u"Height  ") != line.npos ||
                             line.find(u"Size  ") != line.npos);
        if (!hasKey) {
            ASSERT_EQ(result.status, LineCorrection::Status::Unchanged) << round;
        } else {
            const std::size_t equals = line.find(u'=');
            const bool comment = line.find(u'\'', equals) != std::u16string::npos;
            const bool number = ReadNumber(std::u16string_view(line).substr(equals + 1, 10)).found;
            const bool sizeOnly = line.find(u"Top  ") == line.npos && line.find(u"Left  ") == line.npos &&
                                  line.find(u"Width  ") == line.npos && line.find(u"Height  ") == line.npos;
            const bool autoSize = sizeOnly && line.find(u"AutoSize") != line.npos;
            if (!comment && number && !autoSize) {
                ASSERT_NE(result.status, LineCorrection::Status::Unchanged) << round;
            }
        }
        if (result.status != LineCorrection::Status::Rewritten)
            continue;
        ASSERT_EQ(result.text.find_first_of(u"\r\n"), std::u16string::npos);
        const std::size_t start = line.find(u'=') + 1;
        const std::size_t window = std::min<std::size_t>(10, line.size() - start);
        ASSERT_EQ(result.text.substr(0, start), line.substr(0, start));
        const std::size_t newWindow = result.text.size() - (line.size() - window);
        ASSERT_EQ(result.text.substr(start + newWindow), line.substr(start + window)) << round;
        if (newWindow != window) {
            ASSERT_GT(newWindow, window);
            ASSERT_EQ(result.text.substr(start, newWindow).back() != u' ', true);
        }
        ASSERT_EQ(result.text.substr(start, 2), u"  ");
    }
}

}  // namespace
}  // namespace tremaro
