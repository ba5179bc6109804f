#include "core/correction.h"
#include "core/form_lines.h"
#include "core/view_text.h"
#include "tools/sample_form.h"

#include "cli/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <random>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Micros = std::chrono::microseconds;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Each way of saving is killed for this long at most, and passes once this many kills
// have landed while a save was running.
constexpr auto kTimePerPath = std::chrono::seconds(40);
constexpr int kLandedKillsWanted = 240;
constexpr int kLandedKillsNeeded = 200;
constexpr int kRoundsBetweenMeasurements = 20;

struct Program {
    const char* path;
    const char* fileSystem;  // for TREMARO_TEST_FILE_SYSTEM, or nothing
};

std::string CorrectedBytes(const std::string& form) {
    FormLines lines;
    ConsolePort port;
    EXPECT_EQ(lines.LoadFormFile(form), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(RunCorrection(u"120", lines, port), CorrectionOutcome::Corrected);
    return std::get<std::string>(EncodeViewText(port.ViewText()));
}

pid_t Start(const Program& program, const std::vector<std::string>& arguments) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (program.fileSystem)
            ::setenv("TREMARO_TEST_FILE_SYSTEM", program.fileSystem, 1);
        std::vector<char*> argv{const_cast<char*>(program.path)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.path, argv.data());
        ::_exit(127);
    }
    return pid;
}

Micros Median(std::deque<Micros> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Kills a program's saves of the largest form at moments spread over the time its save
// runs. When that is comes from runs measured as the test goes on (reading and correcting
// alone, and the whole run with its save), so a machine that slows down or speeds up
// midway moves the moments with it. A kill counts only when it is known to have landed
// inside the save: the program died of it, and had opened the form a second time (the
// first time it reads it, the second it copies it to the backup).
class KilledSaves {
public:
    KilledSaves(const Program& program, bool namedTemporaryFilesMayStay)
        : program_(program), namedTemporaryFilesMayStay_(namedTemporaryFilesMayStay) {
        WriteBytes(form_, original_);
        corrected_ = CorrectedBytes(form_);
        opens_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        // Closes are watched too, or the kernel would merge the two opens into one event.
        ::inotify_add_watch(opens_, folder_.Root().c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
        for (int i = 0; i < 3; ++i)
            Measure();
    }
    ~KilledSaves() { ::close(opens_); }

    void Run() {
        std::mt19937 random(20261207);
        const auto started = Clock::now();
        while (Clock::now() - started < kTimePerPath && landed_ < kLandedKillsWanted) {
            if (rounds_ % kRoundsBetweenMeasurements == kRoundsBetweenMeasurements - 1)
                Measure();
            const Micros from = Median(readingTimes_) * 9 / 10 + laterStart_;
            const Micros to = std::max(Median(wholeTimes_) * 21 / 20 - earlierEnd_, from + Micros(1000));
            const Landing landing =
                KillOnce(Micros(std::uniform_int_distribution<long>(from.count(), to.count())(random)));
            LearnFrom(landing, to - from);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        std::cout << program_.path << (program_.fileSystem ? std::string(" with ") + program_.fileSystem : "") << ": "
                  << landed_ << " of " << rounds_ << " kills landed in a save; the old form stayed after " << keptOld_
                  << ", the new one after " << landed_ - keptOld_ << "; a named temporary file was left by "
                  << temporaryFilesLeft_ << "\n";
        EXPECT_GE(landed_, kLandedKillsNeeded);
    }

private:
    enum class Landing { BeforeTheSave, InTheSave, AfterTheEnd };

    // Under load a run's pace wanders between measurements: kills that come too early move
    // the start of the moments later, kills after the end move their end earlier, and kills
    // in the save let both drift back to what was measured.
    void LearnFrom(Landing landing, Micros width) {
        if (landing == Landing::BeforeTheSave) {
            laterStart_ += width / 20;
        } else if (landing == Landing::AfterTheEnd) {
            earlierEnd_ += width / 20;
        } else {
            laterStart_ = laterStart_ * 9 / 10;
            earlierEnd_ = earlierEnd_ * 9 / 10;
        }
    }

    void Reset() {
        for (const auto& entry : fs::directory_iterator(folder_.Root()))
            fs::remove_all(entry.path());
        WriteBytes(form_, original_);
    }

    Micros TimedRun(const std::vector<std::string>& arguments) {
        Reset();
        const auto started = Clock::now();
        int status = 0;
        ::waitpid(Start(program_, arguments), &status, 0);
        const auto taken = std::chrono::duration_cast<Micros>(Clock::now() - started);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return taken;
    }

    void Measure() {
        readingTimes_.push_back(TimedRun({"--stdout", "120", form_}));
        wholeTimes_.push_back(TimedRun({"120", form_}));
        EXPECT_EQ(ReadBytes(form_), corrected_);
        for (auto* samples : {&readingTimes_, &wholeTimes_})
            if (samples->size() > 5)
                samples->pop_front();
    }

    int OpensOfTheForm() {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = ::read(opens_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if ((event->mask & IN_OPEN) && event->len > 0 &&
                    std::string(event->name) == fs::path(form_).filename().string())
                    ++opens;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

    Landing KillOnce(Micros moment) {
        Reset();
        OpensOfTheForm();  // the test's own
        const auto started = Clock::now();
        const pid_t pid = Start(program_, {"120", form_});
        std::this_thread::sleep_until(started + moment);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ++rounds_;
        const Landing landing = !WIFSIGNALED(status)    ? Landing::AfterTheEnd
                                : OpensOfTheForm() >= 2 ? Landing::InTheSave
                                                        : Landing::BeforeTheSave;
        CheckWhatTheKillLeft();
        if (landing == Landing::InTheSave) {
            ++landed_;
            keptOld_ += ReadBytes(form_) == original_ ? 1 : 0;
        }
        return landing;
    }

    // A file under the form's name holding the old or the whole new form; the backup, if
    // any, holding the old form. The one named temporary file that an unnamed one becomes
    // just before it replaces the form may stay, holding the whole new form.
    void CheckWhatTheKillLeft() {
        const std::string round = "round " + std::to_string(rounds_);
        ASSERT_TRUE(fs::is_regular_file(form_)) << round << ": no form file";
        const std::string now = ReadBytes(form_);
        ASSERT_TRUE(now == original_ || now == corrected_) << round << ": a part of a form";
        if (fs::exists(backup_)) {
            ASSERT_EQ(ReadBytes(backup_), original_) << round << ": the backup is not the old form";
        } else {
            ASSERT_EQ(now, original_) << round << ": the original is lost";
        }
        int temporaryFiles = 0;
        for (const auto& entry : fs::directory_iterator(folder_.Root())) {
            if (!entry.path().filename().string().starts_with(".tremaro-"))
                continue;
            ++temporaryFiles;
            if (!namedTemporaryFilesMayStay_) {
                ASSERT_EQ(now, original_) << round << ": " << entry.path() << " left after the form was replaced";
                ASSERT_EQ(ReadBytes(entry.path().string()), corrected_) << round << ": " << entry.path() << " left";
            }
        }
        temporaryFilesLeft_ += temporaryFiles > 0 ? 1 : 0;
        if (!namedTemporaryFilesMayStay_) {
            ASSERT_LE(temporaryFiles, 1) << round;
        }
    }

    const Program program_;
    const bool namedTemporaryFilesMayStay_;
    TempFolder folder_;
    const std::string form_ = folder_.Path("big.frm");
    const std::string backup_ = folder_.Path("big.bak");
    const std::string original_ = GenerateSampleForm(32766, 7);
    std::string corrected_;
    int opens_ = -1;
    std::deque<Micros> readingTimes_;
    std::deque<Micros> wholeTimes_;
    Micros laterStart_{0};
    Micros earlierEnd_{0};
    int rounds_ = 0;
    int landed_ = 0;
    int keptOld_ = 0;
    int temporaryFilesLeft_ = 0;
};

// Under the sanitizers a run of the program takes half a second, too slow to land two
// hundred kills in a save in the time given; what the kills check does not depend on them,
// and the save's code runs under them in the save's own tests.
#ifdef TREMARO_SANITIZED_PROGRAMS
#define SKIP_UNDER_SANITIZERS() \
    GTEST_SKIP() << "the programs are built with the sanitizers, too slow to kill often enough"
#else
#define SKIP_UNDER_SANITIZERS() static_cast<void>(0)
#endif

TEST(CrashSafety, killedSave_leavesTheOldOrTheWholeNewForm) {
    SKIP_UNDER_SANITIZERS();
    KilledSaves({TREMARO_SCALE, nullptr}, false).Run();
}

TEST(CrashSafety, killedSaveWithoutHardLinksOrRenameWithoutReplacing_leavesTheOldOrTheWholeNewForm) {
    SKIP_UNDER_SANITIZERS();
    KilledSaves({TREMARO_SCALE_SWITCHABLE, "no-hard-links,no-rename-noreplace"}, true).Run();
}

}  // namespace
}  // namespace tremaro
