#include "core/form_lines.h"
#include "platform/code_page.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace tremaro {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

class FormLinesTest : public ::testing::Test {
protected:
    FormLines::LoadStatus Load(const std::string& bytes) {
        WriteBytes(folder.Path("form.frm"), bytes);
        return lines.LoadFormFile(folder.Path("form.frm"), ChosenByHand(CodePage::Windows1251));
    }
    std::u16string Assembled() const { return lines.AssembleText(); }

    TempFolder folder;
    FormLines lines;
};

TEST_F(FormLinesTest, beforeAnyLoad_isEmpty) {
    EXPECT_FALSE(lines.HasForm());
    EXPECT_EQ(lines.LineCount(), 0);
    EXPECT_EQ(Assembled(), u"");
}

TEST_F(FormLinesTest, load_threeLines_fillSlotsFromOne) {
    ASSERT_EQ(Load("A\r\nB\r\nC\r\n"), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 3);
    EXPECT_EQ(lines.Line(1), u"A");
    EXPECT_EQ(lines.Line(3), u"C");
    EXPECT_EQ(Assembled(), u"A\r\nB\r\nC\r\n");
}

TEST_F(FormLinesTest, load_emptyFile_isAFormOfNoLines) {
    ASSERT_EQ(Load(""), FormLines::LoadStatus::Loaded);
    EXPECT_TRUE(lines.HasForm());
    EXPECT_EQ(lines.LineCount(), 0);
    EXPECT_EQ(Assembled(), u"");
}

// An empty first line is the file's own and stays line 1; reading the assembled text back
// gives the same text, however often it is saved and read.
TEST_F(FormLinesTest, load_fileBeginningWithAnEmptyLine_keepsItAndNoMore) {
    ASSERT_EQ(Load("\r\nVERSION 5.00\r\n"), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 2);
    EXPECT_EQ(lines.Line(1), u"");
    EXPECT_EQ(lines.Line(2), u"VERSION 5.00");
    EXPECT_EQ(Assembled(), u"\r\nVERSION 5.00\r\n");
    Load("VERSION 5.00\r\n");
    const std::u16string assembled = Assembled();
    Load(std::string(assembled.begin(), assembled.end()));
    EXPECT_EQ(Assembled(), u"VERSION 5.00\r\n");
}

// The view shows every line ended alike; the file gets each line's own ending back.
TEST_F(FormLinesTest, load_everyKindOfLineEnd_splitsLinesAndKeepsEachEnding) {
    ASSERT_EQ(Load("a\r\nb\rc\nd\n\re"), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(Assembled(), u"a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    EXPECT_EQ(lines.AssembleFileText(), u"a\r\nb\rc\nd\n\re");
    EXPECT_EQ(lines.WithKeptEndings(Assembled()), u"a\r\nb\rc\nd\n\re");
}

// What the operator did in the view, given back with the file's endings: lines kept or
// edited in place keep theirs, added lines take the one before them, and the file still ends
// as it did.
TEST_F(FormLinesTest, withKeptEndings_editedView_keepsTheFilesEndings) {
    ASSERT_EQ(Load("a\nb\r\nc\nd"), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.WithKeptEndings(u"a\r\nB\r\nc\r\nd\r\n"), u"a\nB\r\nc\nd");
    EXPECT_EQ(lines.WithKeptEndings(u"a\r\nb\r\nnew\r\nc\r\nd\r\n"), u"a\nb\r\nnew\r\nc\nd");
    EXPECT_EQ(lines.WithKeptEndings(u"a\r\nb\r\nc\r\nd\r\nadded\r\n"), u"a\nb\r\nc\nd\nadded");
    EXPECT_EQ(lines.WithKeptEndings(u"a\r\nb\r\n"), u"a\nb");
    EXPECT_EQ(lines.WithKeptEndings(u"first\r\na\r\nb\r\nc\r\nd\r\n"), u"first\na\nb\r\nc\nd");
    EXPECT_EQ(lines.WithKeptEndings(u""), u"");

    // Taken in as the form's lines (a correction of the edited view), they keep them too.
    ASSERT_TRUE(lines.TakeText(u"a\r\nb\r\nnew\r\nc\r\nd\r\n"));
    EXPECT_EQ(lines.AssembleFileText(), u"a\nb\r\nnew\r\nc\nd");
}

// Lines put in take the ending of the line before them; after a last line without one, the
// form still ends without one.
TEST_F(FormLinesTest, insertLines_takeTheEndingOfTheLineBefore) {
    const std::u16string group[] = {u"x", u"y"};
    ASSERT_EQ(Load("a\r\nb\nc"), FormLines::LoadStatus::Loaded);
    lines.InsertLines(2, group);
    EXPECT_EQ(lines.AssembleFileText(), u"a\r\nb\nx\ny\nc");
    lines.InsertLines(5, group);
    EXPECT_EQ(lines.AssembleFileText(), u"a\r\nb\nx\ny\nc\r\nx\r\ny");
    ASSERT_EQ(Load("only"), FormLines::LoadStatus::Loaded);
    lines.InsertLines(0, group);
    EXPECT_EQ(lines.AssembleFileText(), u"x\r\ny\r\nonly");
}

TEST_F(FormLinesTest, load_lastLineWithoutTerminator_isReadWhole) {
    Load("Begin\r\nEnd");
    EXPECT_EQ(lines.LineCount(), 2);
    EXPECT_EQ(lines.Line(2), u"End");
}

// The file as read stays with the lines, for a save to compare the file with: the bytes and
// the state of the file read last.
TEST_F(FormLinesTest, load_shortAfterLong_keepsOnlyTheShortFile) {
    Load("1\r\n2\r\n3\r\n4\r\n");
    Load("x\r\n");
    EXPECT_EQ(Assembled(), u"x\r\n");
    EXPECT_EQ(lines.File().bytes, "x\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(folder.Path("form.frm").c_str(), &info), 0);
    const FileState state = lines.File().State();
    EXPECT_EQ(state.inode, info.st_ino);
    EXPECT_EQ(state.size, 3);
    EXPECT_EQ(state.modifiedNanoseconds, info.st_mtim.tv_nsec);
    EXPECT_EQ(state.changedNanoseconds, info.st_ctim.tv_nsec);
}

TEST_F(FormLinesTest, load_everyByteValue_comesBackInTheAssembledText) {
    const std::string bytes = testing::EveryByteValueButLineBreaks();
    Load(bytes + "\r\n");
    ASSERT_EQ(lines.LineCount(), 1);
    EXPECT_EQ(lines.Line(1)[0xC0 - 2], u'А');
    std::string again;
    EXPECT_FALSE(AppendEncoded(lines.TextCodePage(), Assembled(), again));
    EXPECT_EQ(again, bytes + "\r\n");
}

// Line breaks at every offset, in every combination: the lines must be those a plain
// reading of the rules gives (a break is CR LF, a lone CR or a lone LF).
TEST_F(FormLinesTest, load_randomLineBreaks_splitLikeTheRules) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i)
            bytes.push_back("\r\nab\xC0"[random() % 5]);
        std::u16string expected;
        std::u16string line;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' || bytes[i] == '\n') {
                expected += line + u"\r\n";
                line.clear();
                if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
            } else {
                line.push_back(bytes[i] == 'a' ? u'a' : bytes[i] == 'b' ? u'b' : u'А');
            }
        }
        if (!line.empty())
            expected += line + u"\r\n";
        ASSERT_EQ(Load(bytes), FormLines::LoadStatus::Loaded);
        ASSERT_EQ(Assembled(), expected) << "round " << round;
    }
}

TEST_F(FormLinesTest, load_fileThatTellsNoSize_isReadToItsEnd) {
    // Files under /proc say they are empty and still have lines.
    ASSERT_EQ(lines.LoadFormFile("/proc/self/status"), FormLines::LoadStatus::Loaded);
    EXPECT_GT(lines.LineCount(), 5);
    EXPECT_EQ(lines.Line(1).substr(0, 5), u"Name:");
}

TEST_F(FormLinesTest, load_largestAllowedFile_loads) {
    std::string bytes;
    for (int i = 0; i < 32766; ++i)
        bytes += "   Top             =   1\r\n";
    EXPECT_EQ(Load(bytes), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 32766);
}

}  // namespace
}  // namespace tremaro
