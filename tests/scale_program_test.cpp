#include "cli/command_texts.h"
#include "core/messages.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::Printed;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// tremaro-scale itself, run as a shell runs it, for what only its main does: the end of
// standard output, where a full disk or a reader that has gone shows.
class ScaleProgramTest : public ::testing::Test {
protected:
    struct Finished {
        int status = -1;
        std::string err;
    };

    Finished RunWithStandardOutput(int output, const std::vector<std::string>& arguments) {
        const std::string errName = folder.Path("err");
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int errFile = ::open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(output, STDOUT_FILENO);
            ::dup2(errFile, STDERR_FILENO);
            std::vector<char*> argv{const_cast<char*>(TREMARO_SCALE)};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(TREMARO_SCALE, argv.data());
            ::_exit(127);
        }
        Finished finished;
        ::waitpid(pid, &finished.status, 0);
        finished.err = ReadBytes(errName);
        return finished;
    }

    static bool ExitedWith(const Finished& finished, int code) {
        return WIFEXITED(finished.status) && WEXITSTATUS(finished.status) == code;
    }

    TempFolder folder;
    const std::string form = folder.Path("form1.frm");
};

TEST_F(ScaleProgramTest, stdout_thatCannotBeWritten_isReportedAndExitsOne) {
    WriteBytes(form, "Begin VB.MDIForm Form1\r\n   Height          =   495\r\n");
    const std::string corrected = "Begin VB.MDIForm Form1\r\n   Height          =   594\r\n";
    const std::string reported = Printed(messages::kCorrectionFinished);
    const std::string failed = Printed(messages::kCorrectionFinished) + Printed(command_texts::OutputNotWritten());

    const std::string outName = folder.Path("out");
    const int outFile = ::open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const Finished toFile = RunWithStandardOutput(outFile, {"--stdout", "120", form});
    ::close(outFile);
    EXPECT_TRUE(ExitedWith(toFile, 0)) << toFile.status;
    EXPECT_EQ(toFile.err, reported);
    EXPECT_EQ(ReadBytes(outName), corrected);

    if (fs::exists("/dev/full")) {
        const int full = ::open("/dev/full", O_WRONLY);
        const Finished toFullDevice = RunWithStandardOutput(full, {"--stdout", "120", form});
        ::close(full);
        EXPECT_TRUE(ExitedWith(toFullDevice, 1)) << toFullDevice.status;
        EXPECT_EQ(toFullDevice.err, failed);
    } else {
        std::cout << "no /dev/full here: only the closed pipe is tried\n";
    }

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);  // the reader is gone before the program writes
    const Finished toClosedPipe = RunWithStandardOutput(pipeEnds[1], {"--stdout", "120", form});
    ::close(pipeEnds[1]);
    EXPECT_TRUE(ExitedWith(toClosedPipe, 1)) << "status " << toClosedPipe.status;
    EXPECT_EQ(toClosedPipe.err, failed);

    EXPECT_EQ(ReadBytes(form), "Begin VB.MDIForm Form1\r\n   Height          =   495\r\n");
}

// Saved, but the reports that say so are lost: the run must not end as a success.
TEST_F(ScaleProgramTest, save_whoseReportCannotBeWritten_isSavedAndExitsOne) {
    WriteBytes(form, "Begin VB.MDIForm Form1\r\n   Height          =   495\r\n");
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const Finished finished = RunWithStandardOutput(pipeEnds[1], {"120", form});
    ::close(pipeEnds[1]);
    EXPECT_TRUE(ExitedWith(finished, 1)) << "status " << finished.status;
    EXPECT_EQ(finished.err, Printed(command_texts::OutputNotWritten()));
    EXPECT_EQ(ReadBytes(form), "Begin VB.MDIForm Form1\r\n   Height          =   594\r\n");
    EXPECT_EQ(ReadBytes(folder.Path("form1.bak")), "Begin VB.MDIForm Form1\r\n   Height          =   495\r\n");
}

}  // namespace
}  // namespace tremaro
