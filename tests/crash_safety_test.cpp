#include "core/correction.h"
#include "core/form_lines.h"
#include "core/view_text.h"
#include "tools/sample_form.h"

#include "core/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A save makes a few dozen calls; one that never ends within this many has gone wrong.
constexpr int kMostCallsExpected = 1000;
// Fewer kills than this would mean that the kills missed the save.
constexpr int kFewestKillsExpected = 10;

// The ways the save can go, as the file system lets it: each takes one feature away from
// the one before, as the twin's TREMARO_TEST_FILE_SYSTEM says. Where unnamed temporary
// files are there but hard links are not, the save writes an unnamed file, cannot name it,
// and writes it again under a temporary name.
struct SavePath {
    const char* name;
    const char* fileSystem;
    bool unnamedTemporary;   // the save starts with an unnamed temporary file
    bool namesUnnamedFiles;  // and can give it a name (through a hard link)
};
constexpr SavePath kSavePaths[] = {
    {"unnamedTemporaryFile", "", true, true},
    {"unnamedTemporaryFileWithoutHardLinks", "no-hard-links", true, false},
    {"renameWithoutReplacing", "no-unnamed-temporary", false, false},
    {"hardLink", "no-unnamed-temporary,no-rename-noreplace", false, false},
    {"checkedRename", "no-unnamed-temporary,no-rename-noreplace,no-hard-links", false, false},
};

void PrintTo(const SavePath& path, std::ostream* stream) {
    *stream << path.name;
}

std::string CorrectedBytes(const std::string& form) {
    FormLines lines;
    ConsolePort port;
    EXPECT_EQ(lines.LoadFormFile(form), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(RunCorrection(u"120", lines, port), CorrectionOutcome::Corrected);
    return std::get<std::string>(EncodeViewText(port.ViewText(), lines.TextCodePage()));
}

bool FolderHasUnnamedFiles(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

// The twin of tremaro-scale saving the forms in one run, killed (by itself, with SIGKILL)
// just before its n-th call through the file system seam, or never with 0. Returns the wait
// status.
int SaveKilledBeforeCall(const SavePath& path, const std::vector<std::string>& forms, int call) {
    std::vector<const char*> arguments{TREMARO_SCALE_SWITCHABLE, "120"};
    for (const std::string& form : forms)
        arguments.push_back(form.c_str());
    arguments.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        ::setenv("TREMARO_TEST_FILE_SYSTEM", path.fileSystem, 1);
        ::setenv("TREMARO_TEST_KILLED_BEFORE_CALL", std::to_string(call).c_str(), 1);
        ::execv(TREMARO_SCALE_SWITCHABLE, const_cast<char* const*>(arguments.data()));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

bool KilledBySigkill(int status) {
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

enum class Save { First, Second };

void PrintTo(Save save, std::ostream* stream) {
    *stream << (save == Save::First ? "the first save" : "the second save");
}

// The save of a form of a few hundred lines, killed at its 1st call, then at its 2nd, and
// so on until a run is not killed because it ended first. After every kill the files must
// be what the README allows; the run that ends must have saved the new form.
class KilledSaveTest : public ::testing::TestWithParam<std::tuple<SavePath, Save>> {
protected:
    void SetUp() override {
        if (Path().unnamedTemporary && !FolderHasUnnamedFiles(folder.Root().string()))
            GTEST_SKIP() << "the temporary folder has no unnamed files: this path is the one without them";
        WriteBytes(form, tremaro::GenerateSampleForm(300, 7));
        firstSaved = CorrectedBytes(form);
        const std::string original = ReadBytes(form);
        // Before the second save the form is the first one's result and the backup the original.
        older = std::get<Save>(GetParam()) == Save::First ? original : firstSaved;
        newer = std::get<Save>(GetParam()) == Save::First ? firstSaved : SecondSaved();
        backupWanted = original;
    }

    const SavePath& Path() const { return std::get<SavePath>(GetParam()); }

    std::string SecondSaved() {
        WriteBytes(form, firstSaved);
        const std::string twice = CorrectedBytes(form);
        return twice;
    }

    void Reset() {
        for (const auto& entry : fs::directory_iterator(folder.Root()))
            fs::remove_all(entry.path());
        WriteBytes(form, older);
        if (std::get<Save>(GetParam()) == Save::Second)
            WriteBytes(backup, backupWanted);
    }

    // A file under the form's name holding the old or the whole new form; the backup, if
    // any, holding the form from before the first save; without one the form is the old
    // one. Where the save names its unnamed temporary file only once it is finished, that
    // file may stay (holding the whole new form, while the form is the old one); elsewhere
    // one temporary file may stay, holding a part of a copy of either.
    void CheckWhatTheKillLeft(int call) {
        SCOPED_TRACE("killed before call " + std::to_string(call));
        ASSERT_TRUE(fs::is_regular_file(form)) << "no form file";
        const std::string now = ReadBytes(form);
        ASSERT_TRUE(now == older || now == newer) << "a part of a form";
        if (std::get<Save>(GetParam()) == Save::Second || fs::exists(backup)) {
            ASSERT_EQ(ReadBytes(backup), backupWanted) << "the backup is not the original";
        } else {
            ASSERT_EQ(now, older) << "the original is lost";
        }
        int temporaryFiles = 0;
        for (const auto& entry : fs::directory_iterator(folder.Root())) {
            const std::string name = entry.path().filename().string();
            if (entry.path() == form || entry.path() == backup)
                continue;
            ASSERT_TRUE(name.starts_with(".tremaro-")) << name << " left";
            ++temporaryFiles;
            const std::string left = ReadBytes(entry.path().string());
            if (Path().namesUnnamedFiles) {
                ASSERT_EQ(now, older) << name << " left after the form was replaced";
                ASSERT_EQ(left, newer) << name << " left holding less than the whole new form";
            } else {
                ASSERT_TRUE(backupWanted.starts_with(left) || older.starts_with(left) || newer.starts_with(left))
                    << name << " holds what is no copy of a form";
            }
        }
        ASSERT_LE(temporaryFiles, 1);
        killsLeavingTheOldForm += now == older ? 1 : 0;
        killsLeavingTheNewForm += now == newer ? 1 : 0;
        killsLeavingATemporaryFile += temporaryFiles;
    }

    TempFolder folder;
    const std::string form = folder.Path("form1.frm");
    const std::string backup = folder.Path("form1.bak");
    std::string firstSaved;
    std::string older;
    std::string newer;
    std::string backupWanted;
    int killsLeavingTheOldForm = 0;
    int killsLeavingTheNewForm = 0;
    int killsLeavingATemporaryFile = 0;
};

TEST_P(KilledSaveTest, atEachCallInTurn_leavesTheOldOrTheWholeNewForm) {
    int call = 1;
    for (;; ++call) {
        ASSERT_LE(call, kMostCallsExpected) << "the save never ended";
        Reset();
        const int status = SaveKilledBeforeCall(Path(), {form}, call);
        if (!KilledBySigkill(status)) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save failed, status " << status;
            break;
        }
        CheckWhatTheKillLeft(call);
        if (HasFatalFailure())
            return;
    }
    const int kills = call - 1;
    std::cout << kills << " kills: the old form stayed after " << killsLeavingTheOldForm << ", the new one after "
              << killsLeavingTheNewForm << "; a temporary file was left by " << killsLeavingATemporaryFile << "\n";
    EXPECT_GT(kills, kFewestKillsExpected);
    // Kills before the form was replaced, after it, and in a moment a temporary file stood:
    // each rule above was put to the test.
    EXPECT_GT(killsLeavingTheOldForm, 0);
    EXPECT_GT(killsLeavingTheNewForm, 0);
    EXPECT_GT(killsLeavingATemporaryFile, 0);
    EXPECT_EQ(ReadBytes(form), newer);
    EXPECT_EQ(ReadBytes(backup), backupWanted);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 2);
}

std::string NameOf(const ::testing::TestParamInfo<KilledSaveTest::ParamType>& info) {
    return std::string(std::get<SavePath>(info.param).name) +
           (std::get<Save>(info.param) == Save::First ? "_firstSave" : "_secondSave");
}

INSTANTIATE_TEST_SUITE_P(EveryPath, KilledSaveTest,
                         ::testing::Combine(::testing::ValuesIn(kSavePaths),
                                            ::testing::Values(Save::First, Save::Second)),
                         NameOf);

// Three forms saved in one run, two in one folder and one in another, killed at each call in
// turn: every form is at every moment the old one or the whole new one, and a form is
// replaced only once its backup holds the original. The run writes every form's backup and
// new text before it flushes them together and puts them in place: where its files are
// unnamed until then, a kill leaves at most the one being named; elsewhere it may leave the
// temporary files of every form, each a part of a copy of a form.
class KilledBatchSaveTest : public ::testing::TestWithParam<SavePath> {
protected:
    struct Form {
        std::string path;
        std::string backup;
        std::string older;
        std::string newer;
    };

    void SetUp() override {
        if (GetParam().unnamedTemporary && !FolderHasUnnamedFiles(folder.Root().string()))
            GTEST_SKIP() << "the temporary folder has no unnamed files: this path is the one without them";
        const std::string shapes[][2] = {
            {"one/form1.frm", "one/form1.bak"}, {"one/form2.frm", "one/form2.bak"}, {"two/form3.frm", "two/form3.bak"}};
        int seed = 11;
        for (const auto& [name, backup] : shapes) {
            fs::create_directories(fs::path(folder.Path(name)).parent_path());
            WriteBytes(folder.Path(name), tremaro::GenerateSampleForm(200, seed++));
            forms.push_back({folder.Path(name), folder.Path(backup), ReadBytes(folder.Path(name)),
                             CorrectedBytes(folder.Path(name))});
        }
    }

    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const Form& form : forms)
            paths.push_back(form.path);
        return paths;
    }

    void Reset() {
        for (const Form& form : forms) {
            for (const auto& entry : fs::directory_iterator(fs::path(form.path).parent_path()))
                fs::remove_all(entry.path());
        }
        for (const Form& form : forms)
            WriteBytes(form.path, form.older);
    }

    void CheckWhatTheKillLeft(int call) {
        SCOPED_TRACE("killed before call " + std::to_string(call));
        int temporaryFiles = 0;
        for (const Form& form : forms) {
            ASSERT_TRUE(fs::is_regular_file(form.path)) << form.path << " gone";
            const std::string now = ReadBytes(form.path);
            ASSERT_TRUE(now == form.older || now == form.newer) << form.path << " is a part of a form";
            if (fs::exists(form.backup))
                ASSERT_EQ(ReadBytes(form.backup), form.older) << form.backup << " is not the original";
            else
                ASSERT_EQ(now, form.older) << form.path << ": the original is lost";
            killsLeavingANewForm += now == form.newer ? 1 : 0;
            killsLeavingAnOldForm += now == form.older ? 1 : 0;
        }
        for (const auto& folderPath : {folder.Path("one"), folder.Path("two")}) {
            for (const auto& entry : fs::directory_iterator(folderPath)) {
                const std::string name = entry.path().filename().string();
                if (name.ends_with(".frm") || name.ends_with(".bak"))
                    continue;
                ASSERT_TRUE(name.starts_with(".tremaro-")) << name << " left";
                ASSERT_TRUE(IsPartOfAForm(ReadBytes(entry.path().string())))
                    << name << " holds what is no copy of a form";
                ++temporaryFiles;
            }
        }
        ASSERT_LE(temporaryFiles, GetParam().unnamedTemporary ? 1 : 2 * static_cast<int>(forms.size()));
        killsLeavingATemporaryFile += temporaryFiles > 0 ? 1 : 0;
    }

    bool IsPartOfAForm(const std::string& bytes) const {
        return std::any_of(forms.begin(), forms.end(), [&](const Form& form) {
            return form.older.starts_with(bytes) || form.newer.starts_with(bytes);
        });
    }

    TempFolder folder;
    std::vector<Form> forms;
    int killsLeavingAnOldForm = 0;
    int killsLeavingANewForm = 0;
    int killsLeavingATemporaryFile = 0;
};

// The same forms named one by one, and named by their project (which corrects them all before
// it saves the first).
TEST_P(KilledBatchSaveTest, atEachCallInTurn_leavesEachFormOldOrWholeNew) {
    const std::string project = folder.Path("App.vbp");
    WriteBytes(project, "Type=Exe\r\nForm=one\\form1.frm\r\nForm=ONE\\FORM2.FRM\r\nForm=two\\form3.frm\r\n");
    for (const bool byProject : {false, true}) {
        SCOPED_TRACE(byProject ? "named by their project" : "named one by one");
        int call = 1;
        for (;; ++call) {
            ASSERT_LE(call, kMostCallsExpected) << "the batch never ended";
            Reset();
            const int status = SaveKilledBeforeCall(GetParam(), byProject ? std::vector{project} : Paths(), call);
            if (!KilledBySigkill(status)) {
                ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the batch failed, status " << status;
                break;
            }
            CheckWhatTheKillLeft(call);
            if (HasFatalFailure())
                return;
        }
        EXPECT_GT(call - 1, 3 * kFewestKillsExpected);
        for (const Form& form : forms) {
            EXPECT_EQ(ReadBytes(form.path), form.newer);
            EXPECT_EQ(ReadBytes(form.backup), form.older);
        }
        for (const auto& folderPath : {folder.Path("one"), folder.Path("two")})
            EXPECT_EQ(std::distance(fs::directory_iterator(folderPath), fs::directory_iterator()),
                      folderPath == folder.Path("one") ? 4 : 2)
                << folderPath << " holds more than its forms and their backups";
    }
    EXPECT_GT(killsLeavingAnOldForm, 0);
    EXPECT_GT(killsLeavingANewForm, 0);
    EXPECT_GT(killsLeavingATemporaryFile, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryPath, KilledBatchSaveTest, ::testing::ValuesIn(kSavePaths),
                         [](const ::testing::TestParamInfo<SavePath>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tremaro
