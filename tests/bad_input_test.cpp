#include "cli/scale_command.h"
#include "tools/sample_form.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Inputs nobody should give the program, each answered with a clear message and, where
// it cannot be done, nothing changed.
class BadInputTest : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return RunScaleCommand(arguments, out, err);
    }
    bool NothingChanged(const std::string& bytes) const {
        return ReadBytes(form) == bytes && !fs::exists(folder.Path("form.bak"));
    }

    TempFolder folder;
    const std::string form = folder.Path("form.frm");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(BadInputTest, binaryFile_keepsEveryByteButTheLineBreaks) {
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int byte = 0; byte < 256; ++byte)
            bytes.push_back(static_cast<char>(byte));
    WriteBytes(form, bytes);
    EXPECT_EQ(Run({"--stdout", "120", form}), 0);
    std::string withoutBreaks;
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            withoutBreaks.push_back(c);
    std::string written;
    for (const char c : out.str())
        if (c != '\r' && c != '\n')
            written.push_back(c);
    EXPECT_EQ(written, withoutBreaks);
}

TEST_F(BadInputTest, largestAllowedFile_isCorrected) {
    WriteBytes(form, GenerateSampleForm(32766));
    EXPECT_EQ(Run({"120", form}), 0);
    EXPECT_EQ(ReadBytes(folder.Path("form.bak")), GenerateSampleForm(32766));
}

TEST_F(BadInputTest, oneLineTooMany_isRefusedAndTouchesNothing) {
    const std::string bytes = GenerateSampleForm(32767);
    WriteBytes(form, bytes);
    EXPECT_EQ(Run({"120", form}), 1);
    EXPECT_EQ(err.str(), "Файлът " + form + " е твърде дълъг: допустими са до 32766 реда.\n");
    EXPECT_TRUE(NothingChanged(bytes));
}

TEST_F(BadInputTest, megabyteLine_changesOnlyItsValueField) {
    const std::string tail(1 << 20, 'x');
    WriteBytes(form, "Begin VB.Form Form1\r\n   Top             =   100" + tail + "\r\nEnd\r\n");
    EXPECT_EQ(Run({"--stdout", "120", form}), 0);
    // The four x inside the ten-character value field give way to blanks; the rest stays.
    const std::string expected = "Begin VB.Form Form1\r\n   Top             =  120     " + tail.substr(4) + "\r\nEnd\r\n";
    EXPECT_TRUE(out.str() == expected) << "the output differs from the expected " << expected.size() << " bytes";
}

TEST_F(BadInputTest, folderChosenAsTheFile_cannotBeRead) {
    EXPECT_EQ(Run({"120", folder.Root().string()}), 1);
    EXPECT_EQ(err.str(), "Файлът " + folder.Root().string() + " не може да бъде прочетен.\n");
}

TEST_F(BadInputTest, percentOutOfRange_isRefusedBeforeAnyFileIsTouched) {
    const std::string bytes = "   Top             =   100\r\n";
    WriteBytes(form, bytes);
    for (const std::string percent : {"1e999", "-120", "0", "", "abc", "19.99", "500.01"}) {
        EXPECT_EQ(Run({percent, form}), 2) << percent;
        EXPECT_EQ(err.str(), "Недопустим процент на корекцията.\nДопустими стойности са от 20 до 500.\n");
        EXPECT_TRUE(NothingChanged(bytes)) << percent;
    }
}

TEST_F(BadInputTest, strangeButValidPercents_areReadLikeVal) {
    WriteBytes(form, "Begin VB.Form Form1\r\n   Top             =   100\r\nEnd\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"&H64", "100"}, {"  1 2 0", "120"}, {"5e2.1", "500"}, {"120%", "120"}};
    for (const auto& [percent, value] : cases) {
        EXPECT_EQ(Run({"--stdout", percent, form}), 0) << percent;
        EXPECT_EQ(out.str(), "Begin VB.Form Form1\r\n   Top             =  " + value + " \r\nEnd\r\n") << percent;
    }
}

}  // namespace
}  // namespace tremaro
