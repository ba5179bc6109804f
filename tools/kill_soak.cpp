// Kills a command line program's saves of the largest form at random moments, for as long
// as it is asked to, and checks after every kill what the save left: a soak run for a real
// file system (a FAT stick, a network share), run by hand. The ctest gate is the crash
// test, which kills the save at each of its calls in turn; this finds what only a real file
// system's timing shows.
//
//   tremaro-kill-soak [--seconds N] [--file-system LIST] PROGRAM FOLDER
//
// PROGRAM is tremaro-scale, or build/tests/tremaro-scale-switchable when LIST (as the
// twin's TREMARO_TEST_FILE_SYSTEM) takes file system features away. FOLDER is where the
// form is saved; the soak works in a folder of its own inside it and removes it afterwards.
// Exit status: 0 when every kill left what the README allows, 1 when one did not, 2 for a
// wrong command line.
#include "core/console_port.h"
#include "core/correction.h"
#include "core/form_lines.h"
#include "core/view_text.h"
#include "tools/sample_form.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <variant>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Micros = std::chrono::microseconds;

constexpr int kRoundsBetweenMeasurements = 20;

struct Options {
    std::chrono::seconds duration{60};
    std::string fileSystem;
    std::string program;
    fs::path folder;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string CorrectedBytes(const std::string& form) {
    tremaro::FormLines lines;
    tremaro::ConsolePort port;
    if (lines.LoadFormFile(form) != tremaro::FormLines::LoadStatus::Loaded ||
        tremaro::RunCorrection(u"120", lines, port) != tremaro::CorrectionOutcome::Corrected)
        return {};
    return std::get<std::string>(tremaro::EncodeViewText(port.ViewText(), lines.TextCodePage()));
}

// Where the save can give an unnamed temporary file a name (unnamed files and hard links
// both there, and not switched off), nothing but the finished new form may stay under a
// temporary name; elsewhere a part of a copy may.
bool SavesThroughUnnamedFiles(const Options& options) {
    const std::string list = "," + options.fileSystem + ",";
    if (list.find(",no-unnamed-temporary,") != std::string::npos || list.find(",no-hard-links,") != std::string::npos)
        return false;
    const int descriptor = ::open(options.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    const fs::path name = options.folder / ".tremaro-soak-probe";
    const bool linked = ::linkat(AT_FDCWD, ("/proc/self/fd/" + std::to_string(descriptor)).c_str(), AT_FDCWD,
                                 name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    ::close(descriptor);
    ::unlink(name.c_str());
    return linked;
}

pid_t Start(const Options& options, const std::vector<std::string>& arguments) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (!options.fileSystem.empty())
            ::setenv("TREMARO_TEST_FILE_SYSTEM", options.fileSystem.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(options.program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(options.program.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

Micros Median(std::deque<Micros> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The moments of the kills come from runs measured as the soak goes on (reading and
// correcting alone, and the whole run with its save), so a machine that slows down or speeds
// up midway moves them with it. A kill counts as landed in a save when the program died of
// it and had opened the form a second time (the first time it reads it, the second the save
// reads it again, to check it and write the backup from what it holds).
class KilledSaves {
public:
    explicit KilledSaves(const Options& options)
        : options_(options), folder_(options.folder / ("tremaro-soak-" + std::to_string(::getpid()))) {
        fs::create_directory(folder_);
        WriteBytes(form_, original_);
        corrected_ = CorrectedBytes(form_.string());
        onlyWholeNewFormMayStay_ = SavesThroughUnnamedFiles(options_);
        opens_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        // Closes are watched too, or the kernel would merge the two opens into one event.
        ::inotify_add_watch(opens_, folder_.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
    }
    ~KilledSaves() {
        ::close(opens_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    KilledSaves(const KilledSaves&) = delete;
    KilledSaves& operator=(const KilledSaves&) = delete;

    bool Run() {
        for (int i = 0; i < 3; ++i)
            if (!Measure())
                return false;
        std::mt19937 random(20261207);
        const auto started = Clock::now();
        while (Clock::now() - started < options_.duration) {
            if (rounds_ % kRoundsBetweenMeasurements == kRoundsBetweenMeasurements - 1 && !Measure())
                return false;
            const Micros from = Median(readingTimes_) * 9 / 10 + laterStart_;
            const Micros to = std::max(Median(wholeTimes_) * 21 / 20 - earlierEnd_, from + Micros(1000));
            const Landing landing =
                KillOnce(Micros(std::uniform_int_distribution<long>(from.count(), to.count())(random)));
            if (!problem_.empty()) {
                std::cerr << "round " << rounds_ << ": " << problem_ << "\n";
                return false;
            }
            LearnFrom(landing, to - from);
        }
        std::cout << landed_ << " of " << rounds_ << " kills landed in a save; the old form stayed after " << keptOld_
                  << ", the new one after " << landed_ - keptOld_ << "; a temporary file was left by "
                  << temporaryFilesLeft_ << "\n";
        return true;
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
        for (const auto& entry : fs::directory_iterator(folder_))
            fs::remove_all(entry.path());
        WriteBytes(form_, original_);
    }

    std::optional<Micros> TimedRun(const std::vector<std::string>& arguments) {
        Reset();
        const auto started = Clock::now();
        int status = 0;
        ::waitpid(Start(options_, arguments), &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        return std::chrono::duration_cast<Micros>(Clock::now() - started);
    }

    bool Measure() {
        const auto reading = TimedRun({"--stdout", "120", form_.string()});
        const auto whole = TimedRun({"120", form_.string()});
        if (!reading || !whole || ReadBytes(form_) != corrected_) {
            std::cerr << options_.program << " did not save the form as it should when left alone\n";
            return false;
        }
        readingTimes_.push_back(*reading);
        wholeTimes_.push_back(*whole);
        for (auto* samples : {&readingTimes_, &wholeTimes_})
            if (samples->size() > 5)
                samples->pop_front();
        return true;
    }

    int OpensOfTheForm() {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = ::read(opens_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if ((event->mask & IN_OPEN) && event->len > 0 && std::string(event->name) == form_.filename().string())
                    ++opens;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

    Landing KillOnce(Micros moment) {
        Reset();
        OpensOfTheForm();  // the soak's own
        const auto started = Clock::now();
        const pid_t pid = Start(options_, {"120", form_.string()});
        std::this_thread::sleep_until(started + moment);
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ++rounds_;
        const Landing landing = !WIFSIGNALED(status)    ? Landing::AfterTheEnd
                                : OpensOfTheForm() >= 2 ? Landing::InTheSave
                                                        : Landing::BeforeTheSave;
        problem_ = WhatIsWrongWithWhatTheKillLeft();
        if (landing == Landing::InTheSave) {
            ++landed_;
            keptOld_ += ReadBytes(form_) == original_ ? 1 : 0;
        }
        return landing;
    }

    // A file under the form's name holding the old or the whole new form; the backup, if
    // any, holding the old form. Where the save names its temporary file only when it is
    // finished, that file may stay holding the whole new form while the form is the old one;
    // elsewhere one temporary file may stay holding a part of either.
    std::string WhatIsWrongWithWhatTheKillLeft() {
        if (!fs::is_regular_file(form_))
            return "no form file";
        const std::string now = ReadBytes(form_);
        if (now != original_ && now != corrected_)
            return "a part of a form";
        if (fs::exists(backup_) ? ReadBytes(backup_) != original_ : now != original_)
            return fs::exists(backup_) ? "the backup is not the old form" : "the original is lost";
        int temporaryFiles = 0;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with(".tremaro-"))
                continue;
            ++temporaryFiles;
            const std::string left = ReadBytes(entry.path());
            if (onlyWholeNewFormMayStay_ && (now != original_ || left != corrected_))
                return name + " left";
            if (!original_.starts_with(left) && !corrected_.starts_with(left))
                return name + " holds what is neither form";
        }
        temporaryFilesLeft_ += temporaryFiles > 0 ? 1 : 0;
        return temporaryFiles > 1 ? "more than one temporary file left" : "";
    }

    const Options options_;
    const fs::path folder_;
    const fs::path form_ = folder_ / "big.frm";
    const fs::path backup_ = folder_ / "big.bak";
    const std::string original_ = tremaro::GenerateSampleForm(32766, 7);
    std::string corrected_;
    bool onlyWholeNewFormMayStay_ = false;
    int opens_ = -1;
    std::deque<Micros> readingTimes_;
    std::deque<Micros> wholeTimes_;
    Micros laterStart_{0};
    Micros earlierEnd_{0};
    int rounds_ = 0;
    int landed_ = 0;
    int keptOld_ = 0;
    int temporaryFilesLeft_ = 0;
    std::string problem_;
};

std::optional<Options> ParseOptions(int argc, char* argv[]) {
    Options options;
    std::vector<std::string> operands;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--seconds" || argument == "--file-system") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (argument == "--seconds")
                options.duration = std::chrono::seconds(std::atoi(value.c_str()));
            else
                options.fileSystem = value;
        } else {
            operands.push_back(argument);
        }
    }
    if (operands.size() != 2 || options.duration.count() <= 0 || !fs::is_directory(operands[1]))
        return std::nullopt;
    options.program = operands[0];
    options.folder = operands[1];
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: tremaro-kill-soak [--seconds N] [--file-system LIST] PROGRAM FOLDER\n";
        return 2;
    }
    return KilledSaves(*options).Run() ? 0 : 1;
}
