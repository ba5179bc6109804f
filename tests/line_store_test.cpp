#include "core/line_store.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace tremaro {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

class LineStoreTest : public ::testing::Test {
protected:
    FormLines::LoadResult Load(const std::string& bytes) {
        WriteBytes(folder.Path("form.frm"), bytes);
        return lines.LoadFormFile(folder.Path("form.frm"));
    }
    std::u16string Assembled() const { return lines.AssembleText(); }

    TempFolder folder;
    FormLines lines;
};

TEST_F(LineStoreTest, beforeAnyLoad_isEmpty) {
    EXPECT_EQ(lines.LineCount(), 0);
    EXPECT_EQ(Assembled(), u"");
}

TEST_F(LineStoreTest, load_threeLines_fillSlotsFromTwo) {
    ASSERT_EQ(Load("A\r\nB\r\nC\r\n").status, FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 4);
    EXPECT_EQ(lines.Line(1), u"");
    EXPECT_EQ(lines.Line(2), u"A");
    EXPECT_EQ(lines.Line(4), u"C");
    EXPECT_EQ(Assembled(), u"\r\nA\r\nB\r\nC\r\n");
}

TEST_F(LineStoreTest, load_emptyFile_givesOneEmptyLine) {
    ASSERT_EQ(Load("").status, FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 1);
    EXPECT_EQ(Assembled(), u"\r\n");
}

TEST_F(LineStoreTest, load_everyKindOfLineEnd_splitsLines) {
    ASSERT_EQ(Load("a\r\nb\rc\nd\n\re").status, FormLines::LoadStatus::Loaded);
    EXPECT_EQ(Assembled(), u"\r\na\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST_F(LineStoreTest, load_lastLineWithoutTerminator_isReadWhole) {
    Load("Begin\r\nEnd");
    EXPECT_EQ(lines.LineCount(), 3);
    EXPECT_EQ(lines.Line(3), u"End");
}

TEST_F(LineStoreTest, load_shortAfterLong_keepsOnlyTheShortFile) {
    Load("1\r\n2\r\n3\r\n4\r\n");
    Load("x\r\n");
    EXPECT_EQ(Assembled(), u"\r\nx\r\n");
}

TEST_F(LineStoreTest, load_everyByteValue_comesBackInTheAssembledText) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            bytes.push_back(static_cast<char>(byte));
    Load(bytes + "\r\n");
    ASSERT_EQ(lines.LineCount(), 2);
    EXPECT_EQ(lines.Line(2).size(), 254u);
    EXPECT_EQ(lines.Line(2)[0xC0 - 2], u'А');
}

TEST_F(LineStoreTest, load_crLfAcrossTheReadBuffer_isOneBreak) {
    std::string bytes((1 << 20) - 1, 'x');
    bytes += "\r\ny";
    Load(bytes);
    EXPECT_EQ(lines.LineCount(), 3);
    EXPECT_EQ(lines.Line(3), u"y");
}

// Line breaks at every offset, in every combination: the lines must be those a plain
// reading of the rules gives (a break is CR LF, a lone CR or a lone LF).
TEST_F(LineStoreTest, load_randomLineBreaks_splitLikeTheRules) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i)
            bytes.push_back("\r\nab\xC0"[random() % 5]);
        std::u16string expected = u"\r\n";
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
        ASSERT_EQ(Load(bytes).status, FormLines::LoadStatus::Loaded);
        ASSERT_EQ(Assembled(), expected) << "round " << round;
    }
}

TEST_F(LineStoreTest, load_fileThatTellsNoSize_isReadToItsEnd) {
    // Files under /proc say they are empty and still have lines.
    ASSERT_EQ(lines.LoadFormFile("/proc/self/status").status, FormLines::LoadStatus::Loaded);
    EXPECT_GT(lines.LineCount(), 5);
    EXPECT_EQ(lines.Line(2).substr(0, 5), u"Name:");
}

TEST_F(LineStoreTest, load_largestAllowedFile_loads) {
    std::string bytes;
    for (int i = 0; i < 32766; ++i)
        bytes += "   Top             =   1\r\n";
    EXPECT_EQ(Load(bytes).status, FormLines::LoadStatus::Loaded);
    EXPECT_EQ(lines.LineCount(), 32767);
}

TEST_F(LineStoreTest, load_oneLineTooMany_failsAndKeepsTheEarlierForm) {
    Load("kept\r\n");
    std::string bytes;
    for (int i = 0; i < 32767; ++i)
        bytes += "x\n";
    const auto result = Load(bytes);
    EXPECT_EQ(result.status, FormLines::LoadStatus::TooLong);
    EXPECT_EQ(result.message, "Файлът " + folder.Path("form.frm") + " е твърде дълъг: допустими са до 32766 реда.");
    EXPECT_EQ(Assembled(), u"\r\nkept\r\n");
}

TEST_F(LineStoreTest, load_missingFileOrFolder_failsAndKeepsTheEarlierForm) {
    Load("kept\r\n");
    for (const std::string& path : {folder.Path("missing.frm"), folder.Root().string()}) {
        const auto result = lines.LoadFormFile(path);
        EXPECT_EQ(result.status, FormLines::LoadStatus::CannotRead);
        EXPECT_EQ(result.message, "Файлът " + path + " не може да бъде прочетен.");
        EXPECT_EQ(Assembled(), u"\r\nkept\r\n");
    }
}

}  // namespace
}  // namespace tremaro
