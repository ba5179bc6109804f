#include "core/correction.h"
#include "core/line_store.h"
#include "core/view_text.h"
#include "tools/sample_form.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScriptedPort;
using testing::TempFolder;
using testing::WriteBytes;

pid_t StartSave(const std::string& form) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        ::execl(TREMARO_SCALE, TREMARO_SCALE, "120", form.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

std::string CorrectedBytes(const std::string& form) {
    FormLines lines;
    ScriptedPort port;
    EXPECT_EQ(lines.LoadFormFile(form), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(RunCorrection(u"120", lines, port), CorrectionOutcome::Corrected);
    return std::get<std::string>(EncodeViewText(port.viewText));
}

// Kills the command line's save at random moments. After every kill the form's original
// bytes must be whole in the form file or in the backup, and the form file must be the old
// form or the whole new one: never missing, never a part.
TEST(CrashSafety, killedSave_leavesTheOldOrTheWholeNewForm) {
    TempFolder folder;
    const std::string form = folder.Path("big.frm");
    const std::string backup = folder.Path("big.bak");
    const std::string original = GenerateSampleForm(32766, 7);
    WriteBytes(form, original);
    const std::string corrected = CorrectedBytes(form);

    const auto started = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(StartSave(form), &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto wholeSave = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    ASSERT_EQ(ReadBytes(form), corrected);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> moment(0, wholeSave.count() * 5 / 4);
    int kills = 0;
    int keptOld = 0;
    int round = 0;
    for (; round < 1000 && kills < 220; ++round) {
        fs::remove_all(folder.Root());
        fs::create_directories(folder.Root());
        WriteBytes(form, original);

        const pid_t pid = StartSave(form);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        kills += WIFSIGNALED(status) ? 1 : 0;

        ASSERT_TRUE(fs::is_regular_file(form)) << "round " << round;
        const std::string now = ReadBytes(form);
        ASSERT_TRUE(now == original || now == corrected) << "round " << round << ": a part of a form";
        keptOld += now == original ? 1 : 0;
        if (fs::exists(backup))
            ASSERT_EQ(ReadBytes(backup), original) << "round " << round;
        else
            ASSERT_EQ(now, original) << "round " << round << ": the original is lost";
    }
    EXPECT_GE(kills, 200);
    std::cout << kills << " saves killed in " << round << " rounds; the old form was in place after " << keptOld
              << ", the new one after " << round - keptOld << "\n";
}

}  // namespace
}  // namespace tremaro
