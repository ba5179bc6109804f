#include "cli/command_texts.h"
#include "core/messages.h"
#include "platform/translation.h"
#include "tools/sample_form.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sys/resource.h>
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

    // dataLimit: the most memory the program may take for its data (ulimit -d), in bytes.
    Finished RunWithStandardOutput(int output, const std::vector<std::string>& arguments,
                                   std::optional<rlim_t> dataLimit = std::nullopt) {
        const std::string errName = folder.Path("err");
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (dataLimit) {
                const struct rlimit limit { *dataLimit, *dataLimit };
                ::setrlimit(RLIMIT_DATA, &limit);
            }
            const int errFile = ::open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(output, STDOUT_FILENO);
            ::dup2(errFile, STDERR_FILENO);
            // The texts expected are this process's own, Bulgarian, whatever the locale the
            // tests were started in: gettext reads LANGUAGE in any locale but "C".
            ::setenv("LC_ALL", "C", 1);
            ::unsetenv("LANGUAGE");
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

    // The program run with only the environment given, as a login shell with just these
    // variables would start it: no LC_ALL, LC_MESSAGES or LANGUAGE from the test's own.
    Finished RunInEnvironment(const std::vector<std::string>& environment, const std::vector<std::string>& arguments,
                              std::string& out) {
        const std::string outName = folder.Path("out");
        const std::string errName = folder.Path("err");
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int outFile = ::open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errFile = ::open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(outFile, STDOUT_FILENO);
            ::dup2(errFile, STDERR_FILENO);
            std::vector<char*> argv{const_cast<char*>(TREMARO_SCALE)};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            std::vector<char*> envp;
            for (const std::string& variable : environment)
                envp.push_back(const_cast<char*>(variable.c_str()));
            envp.push_back(nullptr);
            ::execve(TREMARO_SCALE, argv.data(), envp.data());
            ::_exit(127);
        }
        Finished finished;
        ::waitpid(pid, &finished.status, 0);
        out = ReadBytes(outName);
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
    const std::string reported = Printed(messages::CorrectionFinished());
    const std::string failed = Printed(messages::CorrectionFinished()) + Printed(command_texts::OutputNotWritten());

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

// Under a limit on its memory (ulimit -d) that refuses the heap's usual reserve, the program
// works with less, as any other would: the same corrected form, not an abort. 100 MiB leaves
// room for a smaller reserve, 16 MiB for none.
TEST_F(ScaleProgramTest, underAMemoryLimit_correctsTheFormAllTheSame) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer's own memory is over any such limit";
#endif
    WriteBytes(form, GenerateSampleForm(3000));
    const std::string outName = folder.Path("out");
    std::string unlimited;
    for (const std::optional<rlim_t> limit :
         {std::optional<rlim_t>(), std::optional<rlim_t>(100u << 20), std::optional<rlim_t>(16u << 20)}) {
        SCOPED_TRACE(limit ? std::to_string(*limit >> 20) + " MiB" : "no limit");
        const int outFile = ::open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const Finished run = RunWithStandardOutput(outFile, {"--stdout", "120", form}, limit);
        ::close(outFile);
        EXPECT_TRUE(ExitedWith(run, 0)) << "status " << run.status << " " << run.err;
        if (!limit)
            unlimited = ReadBytes(outName);
        EXPECT_EQ(ReadBytes(outName), unlimited);
    }
    EXPECT_FALSE(unlimited.empty());
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

// The texts in a language, as this process finds them in the build's catalogues; Bulgarian,
// the program's own, afterwards.
struct CommandTexts {
    std::string usage;
    std::string wrongCommandLine;
    std::string percentRefused;
    std::string cannotRead;  // the file "missing.frm"
    std::string saved;       // the file "form1.frm"
};

CommandTexts CommandTextsIn(const std::string& locale, const TempFolder& folder) {
    UseLanguage(locale);
    CommandTexts texts{command_texts::ScaleUsage(), Printed(command_texts::WrongCommandLine()),
                       Printed(messages::PercentRefused()), Printed(messages::CannotRead(folder.Path("missing.frm"))),
                       Printed(MessageLines{messages::Saved(folder.Path("form1.frm")),
                                            messages::OriginalKeptAs(folder.Path("form1.bak"))})};
    UseLanguage("bg");
    return texts;
}

TEST_F(ScaleProgramTest, texts_areInTheLanguageTheLocaleNames_bulgarianWhereNoCatalogueAnswers) {
    const CommandTexts english = CommandTextsIn("en", folder);
    const CommandTexts bulgarian = CommandTextsIn("bg", folder);
    ASSERT_NE(english.usage, bulgarian.usage);
    ASSERT_NE(english.percentRefused, bulgarian.percentRefused);
    ASSERT_NE(english.cannotRead, bulgarian.cannotRead);
    ASSERT_NE(english.saved, bulgarian.saved);
    const struct {
        std::vector<std::string> environment;
        const CommandTexts& expected;
    } runs[] = {
        {{"LANG=en_US.UTF-8"}, english},
        {{"LANG=bg_BG.UTF-8"}, bulgarian},
        {{"LANG=C"}, bulgarian},
        {{}, bulgarian},
        {{"LANG=de_DE.UTF-8"}, bulgarian},  // a language nobody has translated
        {{"LANG=bg_BG.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}, english},
        {{"LANG=en_US.UTF-8", "LC_ALL=bg_BG.UTF-8"}, bulgarian},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(::testing::PrintToString(run.environment));
        std::string out;
        const Finished help = RunInEnvironment(run.environment, {"--help"}, out);
        EXPECT_TRUE(ExitedWith(help, 0)) << help.status;
        EXPECT_EQ(out, run.expected.usage);
        const Finished refused = RunInEnvironment(run.environment, {"--no-such-option"}, out);
        EXPECT_TRUE(ExitedWith(refused, 2)) << refused.status;
        EXPECT_EQ(refused.err, run.expected.wrongCommandLine + run.expected.usage);
        EXPECT_EQ(RunInEnvironment(run.environment, {"10", form}, out).err, run.expected.percentRefused);
        EXPECT_EQ(RunInEnvironment(run.environment, {"120", folder.Path("missing.frm")}, out).err,
                  run.expected.cannotRead);
        WriteBytes(form, "Begin VB.Form Form1\r\n   Height          =   495\r\nEnd\r\n");
        fs::remove(folder.Path("form1.bak"));
        const Finished save = RunInEnvironment(run.environment, {"120", form}, out);
        EXPECT_TRUE(ExitedWith(save, 0)) << save.status;
        EXPECT_EQ(out, run.expected.saved);
    }
}

}  // namespace
}  // namespace tremaro
