#include "cli/scale_command.h"
#include "core/messages.h"
#include "tools/sample_form.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::Printed;
using testing::ReadBytes;
using testing::SwitchedFileSystem;
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
        bytes += testing::EveryByteValue();
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
    EXPECT_EQ(err.str(), Printed(messages::TooLong(form)));
    EXPECT_TRUE(NothingChanged(bytes));
}

TEST_F(BadInputTest, megabyteLine_changesOnlyItsNumber) {
    const std::string tail(1 << 20, 'x');
    WriteBytes(form, "Begin VB.MDIForm Form1\r\n   Top             =   100" + tail + "\r\nEnd\r\n");
    EXPECT_EQ(Run({"--stdout", "120", form}), 0);
    // Only the number gives way; the megabyte after it stays.
    const std::string expected = "Begin VB.MDIForm Form1\r\n   Top             =   120" + tail + "\r\nEnd\r\n";
    EXPECT_TRUE(out.str() == expected) << "the output differs from the expected " << expected.size() << " bytes";
}

TEST_F(BadInputTest, folderChosenAsTheFile_cannotBeRead) {
    EXPECT_EQ(Run({"120", folder.Root().string()}), 1);
    EXPECT_EQ(err.str(), Printed(messages::CannotRead(folder.Root().string())));
}

// Runs the command in a child, so that a read that blocks cannot hold the test: true
// when it refused the path with the read failure message within a second.
bool RefusedAtOnce(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::ostringstream out;
        std::ostringstream err;
        const bool refused =
            RunScaleCommand({"120", path}, out, err) == 1 && err.str() == Printed(messages::CannotRead(path));
        ::_exit(refused ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << path << " held the read for more than a second";
            return false;
        }
        ::usleep(1000);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(BadInputTest, pipeOrDevice_isRefusedWithoutWaiting) {
    const std::string pipe = folder.Path("pipe.frm");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_TRUE(RefusedAtOnce(pipe)) << "a pipe with no writer";
    EXPECT_TRUE(RefusedAtOnce("/dev/zero")) << "a device with no end";
}

TEST_F(BadInputTest, fileOverTheSizeLimit_isRefusedBeforeItIsRead) {
    WriteBytes(form, "");
    ASSERT_EQ(::truncate(form.c_str(), (64 << 20) + 1), 0);  // sparse: no disk taken
    EXPECT_EQ(Run({"120", form}), 1);
    EXPECT_EQ(err.str(), Printed(messages::TooLarge(form)));
    EXPECT_FALSE(fs::exists(folder.Path("form.bak")));
}

// Another program writing the form while it is read: the bytes may be a part of the old and
// a part of the new form, and nothing is taken, neither to save nor to print. Where the
// clock cannot show the rewrite (two seconds, as FAT's, and its times put back), the change
// comes once the read has its bytes and before it ends, which only a second reading finds.
TEST_F(BadInputTest, fileChangedWhileRead_isNotTaken) {
    struct Writer {
        const char* change;
        std::function<void()> write;
        bool coarseClock;
        int beforeRead;  // the read call of the form's reading that the change comes just before
    };
    const std::string sample = GenerateSampleForm(6000);  // larger than what a reading takes in at a time
    const struct timeval past[2] = {{1000000000, 0}, {1000000000, 0}};
    const Writer writers[] = {
        {"cut short", [&] { fs::resize_file(form, 100); }, false, 1},
        {"grown", [&] { std::ofstream(form, std::ios::binary | std::ios::app) << "' more\r\n"; }, false, 1},
        // Of the same length: only its times tell, which the test set in the past.
        {"rewritten", [&] { std::ofstream(form, std::ios::binary | std::ios::in) << "X"; }, false, 1},
        {"rewritten with its times put back, on a coarse clock",
         [&] {
             std::ofstream(form, std::ios::binary | std::ios::in) << "X";
             ::utimes(form.c_str(), past);
         },
         true, 2},
        {"rewritten near its end with its times put back, on a coarse clock",
         [&] {
             std::fstream(form, std::ios::binary | std::ios::in | std::ios::out).seekp(-3, std::ios::end) << "X";
             ::utimes(form.c_str(), past);
         },
         true, 2},
    };
    for (const Writer& writer : writers) {
        for (const bool toStandardOutput : {false, true}) {
            SCOPED_TRACE(std::string(writer.change) + (toStandardOutput ? ", --stdout" : ""));
            WriteBytes(form, sample);
            ASSERT_EQ(::utimes(form.c_str(), past), 0);
            int reads = 0;
            system::FileSystemSwitches atARead;
            atARead.coarseClock = writer.coarseClock;
            atARead.beforeCall = [&](system::FileCall call) {
                // The first read looks at the file's head, to see whether it is a project.
                if (call == system::FileCall::Read && ++reads == writer.beforeRead + 1)
                    writer.write();
            };
            SwitchedFileSystem switched(atARead);
            const std::vector<std::string> arguments = toStandardOutput
                                                           ? std::vector<std::string>{"--stdout", "120", form}
                                                           : std::vector<std::string>{"120", form};
            EXPECT_EQ(Run(arguments), 1);
            EXPECT_EQ(err.str(), Printed(messages::ChangedWhileRead(form)));
            EXPECT_EQ(out.str(), "");
            EXPECT_FALSE(fs::exists(folder.Path("form.bak")));
        }
    }
}

TEST_F(BadInputTest, percentOutOfRange_isRefusedBeforeAnyFileIsTouched) {
    const std::string bytes = "   Top             =   100\r\n";
    WriteBytes(form, bytes);
    for (const std::string percent :
         {"1e999", "-120", "0", "", "abc", "19.99", "500.01", "10x200", "200\u00D7600", "100x"}) {
        EXPECT_EQ(Run({percent, form}), 2) << percent;
        EXPECT_EQ(err.str(), Printed(messages::PercentRefused()));
        EXPECT_TRUE(NothingChanged(bytes)) << percent;
    }
}

TEST_F(BadInputTest, strangeButValidPercents_areReadLikeVal) {
    WriteBytes(form, "Begin VB.MDIForm Form1\r\n   Top             =   100\r\nEnd\r\n");
    const std::pair<std::string, std::string> cases[] = {{"&H64", "100"},      {"  1 2 0", "120"},
                                                         {"5e2.1", "500"},     {"120%", "120"},
                                                         {"300 x 120", "120"}, {"120\u00D7300", "300"}};
    for (const auto& [percent, value] : cases) {
        EXPECT_EQ(Run({"--stdout", percent, form}), 0) << percent;
        EXPECT_EQ(out.str(), "Begin VB.MDIForm Form1\r\n   Top             =   " + value + "\r\nEnd\r\n") << percent;
    }
}

}  // namespace
}  // namespace tremaro
