#include "core/save_backup.h"
#include "platform/folder_batch.h"
#include "core/messages.h"
#include "platform/input_file.h"

#include "platform/code_page.h"
#include "core/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <optional>
#include <set>
#include <grp.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::SwitchedFileSystem;
using testing::TempFolder;
using testing::WriteBytes;

std::string AclOf(const std::string& path) {
    std::string acl;
    if (FILE* listing = ::popen(("getfacl -cn " + path + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, listing))
            acl += buffer;
        ::pclose(listing);
    }
    return acl;
}

using Names = std::vector<std::string>;

TEST(BackupName, alone_replacesTheExtensionOrAppendsOne) {
    const std::pair<std::string, std::string> cases[] = {{"/work/form1.frm", "/work/form1.bak"},
                                                         {"/work/a.v1.frm", "/work/a.v1.bak"},
                                                         {"/work/form1.", "/work/form1.bak"},
                                                         {"form1.frm", "form1.bak"},
                                                         {"/work/Form1", "/work/Form1.bak"},
                                                         {"/work/.hidden", "/work/.hidden.bak"},
                                                         {"/w/release.2/Form1", "/w/release.2/Form1.bak"},
                                                         {"/w/release.2/form1.frm", "/w/release.2/form1.bak"}};
    for (const auto& [form, backup] : cases) {
        const std::string name = form.substr(form.rfind('/') + 1);
        EXPECT_EQ(BackupNameAmong(form, Names{name, "form1.frx.txt", "Form2.frm", name + ".bak"}), backup) << form;
    }
}

// Files of one base name (X with any extension or none), and X.frm.frm beside X.frm, would
// share a backup: each keeps its whole name in its backup's. Backups take no name.
TEST(BackupName, namesThatWouldShareABackup_eachKeepTheWholeName) {
    const Names folder{"calc2.frm", "CALC2.ctl", "Main.frm", "Main.frx", "Page.pag",  "Page.bak",
                       "Page.BAK3", "X",         "X.frm",    "Y.frm",    "Y.frm.frm", "Y.ctl"};
    const std::pair<std::string, std::string> cases[] = {{"calc2.frm", "calc2.frm.bak"},
                                                         {"CALC2.ctl", "CALC2.ctl.bak"},
                                                         {"Main.frm", "Main.frm.bak"},
                                                         {"Page.pag", "Page.bak"},
                                                         {"X", "X.bak"},
                                                         {"X.frm", "X.frm.bak"},
                                                         {"Y.frm", "Y.frm.bak"},
                                                         {"Y.frm.frm", "Y.frm.frm.bak"},
                                                         {"Page.bak", "Page.bak"}};
    for (const auto& [form, backup] : cases)
        EXPECT_EQ(BackupNameAmong("/f/" + form, folder), "/f/" + backup) << form;
}

// A folder its user may write but not list hides what stands beside the form.
TEST(BackupName, folderThatCannotBeListed_keepsTheWholeName) {
    EXPECT_EQ(BackupNameAmong("/f/X.frm", std::nullopt), "/f/X.frm.bak");
    EXPECT_EQ(BackupNameAmong("/f/X.ctl", std::nullopt), "/f/X.ctl.bak");
    EXPECT_EQ(BackupNameAmong("/f/X", std::nullopt), "/f/X.bak");
}

// Named as a backup is: ending in .bak or .bak and a number.
bool NamedAsABackup(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return false;
    const std::string extension = name.substr(dot + 1);
    return extension.size() >= 3 && (extension.substr(0, 3) == "bak" || extension.substr(0, 3) == "BAK") &&
           extension.find_first_not_of("0123456789", 3) == std::string::npos;
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Random folders of names made of few parts, so that bases, extensions and cases meet: in
// each, the backup names of the files that are no backups are all different, and none is
// another file's own name, in any case of letters where the names are so too (as on FAT and
// exFAT), and byte for byte where names differing in case stand side by side (as on ext4).
TEST(BackupName, randomFolders_neverGiveTwoFilesOneBackupName) {
    const char* const parts[] = {"x", "X", ".frm", ".FRM", ".ctl", ".bak", ".bak1", ".frx", ".", "y"};
    std::mt19937 random(26);
    for (int round = 0; round < 20000; ++round) {
        const bool ignoresCase = round % 2 == 0;
        Names folder;
        std::set<std::string> seen;
        const int count = 1 + static_cast<int>(random() % 7);
        for (int i = 0; i < count; ++i) {
            std::string name;
            for (int length = 1 + static_cast<int>(random() % 4); length > 0; --length)
                name += parts[random() % std::size(parts)];
            if (name != "." && name != ".." && seen.insert(ignoresCase ? Lowered(name) : name).second)
                folder.push_back(name);
        }
        const auto listed = round % 5 == 4 ? std::nullopt : std::optional<Names>(folder);
        std::map<std::string, std::string> takenBy;
        for (const std::string& name : folder) {
            const std::string backup = BackupNameAmong(name, listed);
            if (NamedAsABackup(name)) {
                EXPECT_EQ(Lowered(backup), Lowered(name)) << "a backup saved as a form is refused";
                continue;
            }
            const std::string key = ignoresCase ? Lowered(backup) : backup;
            const auto [at, fresh] = takenBy.emplace(key, name);
            ASSERT_TRUE(fresh) << name << " and " << at->second << " share " << backup << " (round " << round << ")";
            for (const std::string& other : folder) {
                if (!NamedAsABackup(other)) {
                    ASSERT_NE(ignoresCase ? Lowered(other) : other, key) << name << "'s backup is the file " << other;
                }
            }
        }
    }
}

class SaveTest : public ::testing::Test {
protected:
    static constexpr const char* kOriginal = "VERSION 5.00\r\n   Top             =   100\r\n";
    static constexpr const char16_t* kNewText = u"VERSION 5.00\r\n   Top             =   120\r\n";

    SaveTest() {
        WriteBytes(form, kOriginal);
        port.SetViewText(kNewText);
    }

    // A port whose operator confirms the save and refuses any further question.
    void RefuseAChange() {
        port = ConsolePort();
        port.SetViewText(kNewText);
        port.AnswerNextQuestion(PressedButton::Ok);
        port.AnswerNextQuestion(PressedButton::Cancel);
    }

    // The form file as a read finds it now (nothing, when it is not there).
    static FileRead AsRead(const std::string& path) {
        FileRead read;
        ReadWholeFile(path, read);
        return read;
    }
    void Read() { known = AsRead(form); }

    // Saves as the window does: over the form as read (just before, unless the test read it
    // earlier), and after a save over the form as that save wrote it.
    SaveOutcome Save() {
        if (!known)
            Read();
        FileRead written;
        const SaveOutcome outcome = SaveWithBackup(form, *known, port, CodePage::Windows1251, &written);
        if (IsSaved(outcome))
            known = std::move(written);
        return outcome;
    }
    SaveOutcome SaveJustRead(const std::string& path) {
        return SaveWithBackup(path, AsRead(path), port, CodePage::Windows1251);
    }
    MessageLines Report() const { return port.LastMessage(); }

    // Whatever happened, the form as it was must still be on the disk somewhere.
    void ExpectOriginalKept() const {
        const bool inForm = fs::is_regular_file(form) && ReadBytes(form) == kOriginal;
        const bool inBackup = fs::is_regular_file(backup) && ReadBytes(backup) == kOriginal;
        EXPECT_TRUE(inForm || inBackup);
    }

    TempFolder folder;
    std::string form = folder.Path("form1.frm");
    std::string backup = folder.Path("form1.bak");
    ConsolePort port;
    std::optional<FileRead> known;
    const std::string newBytes = "VERSION 5.00\r\n   Top             =   120\r\n";
};

TEST_F(SaveTest, save_renamesTheOriginalAndWritesTheView) {
    EXPECT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    ASSERT_EQ(port.Messages().size(), 2u);
    EXPECT_EQ(port.Messages()[0].lines, MessageLines{messages::ConfirmSave(form)});
    EXPECT_EQ(port.Messages()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Report(), (MessageLines{messages::Saved(form), messages::OriginalKeptAs(backup)}));
    EXPECT_EQ(port.Messages()[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_EQ(ReadBytes(form), newBytes);
}

// The backup is the form's own file under a second name, where that changes nothing for anyone
// else: a file with another name already (a second name elsewhere) gets a copy, which its other
// name's users cannot change. A form left sharing its file with its backup, as a save killed
// between the two names leaves them, is saved, and the backup holds the original, also where the
// form is a symbolic link.
TEST_F(SaveTest, save_backupIsTheFormsOwnFileUnlessItHasOtherNames) {
    Read();
    const ino_t original = known->info.st_ino;
    ASSERT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    struct stat info {};
    ASSERT_EQ(::stat(backup.c_str(), &info), 0);
    EXPECT_EQ(info.st_ino, original) << "the backup is a copy";

    fs::remove(backup);
    const std::string elsewhere = folder.Path("elsewhere.frm");
    WriteBytes(form, kOriginal);
    fs::create_hard_link(form, elsewhere);
    known.reset();
    ASSERT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_FALSE(fs::equivalent(backup, elsewhere)) << "the backup shares its file with another name";
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_EQ(ReadBytes(elsewhere), kOriginal);

    fs::remove(backup);
    fs::remove(elsewhere);
    WriteBytes(form, kOriginal);
    fs::create_hard_link(form, backup);
    known.reset();
    EXPECT_EQ(Save(), SaveOutcome::BackupKeptAndWritten);
    EXPECT_EQ(ReadBytes(form), newBytes);
    EXPECT_EQ(ReadBytes(backup), kOriginal);

    // The same through a symbolic link into another folder.
    fs::remove(backup);
    fs::remove(form);
    fs::create_directory(folder.Path("shared"));
    const std::string target = folder.Path("shared/form1.frm");
    WriteBytes(target, kOriginal);
    fs::create_symlink("shared/form1.frm", form);
    fs::create_hard_link(target, backup);
    known.reset();
    EXPECT_EQ(Save(), SaveOutcome::BackupKeptAndWritten);
    EXPECT_EQ(ReadBytes(target), newBytes);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
}

TEST_F(SaveTest, save_cancel_changesNothing) {
    port.AnswerNextQuestion(PressedButton::Cancel);
    EXPECT_EQ(Save(), SaveOutcome::Cancelled);
    EXPECT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_noFormRead_saysSoWithoutAsking) {
    EXPECT_EQ(SaveWithBackup("", FileRead{}, port, CodePage::Windows1251), SaveOutcome::NothingToSave);
    ASSERT_EQ(port.Messages().size(), 1u);
    EXPECT_EQ(Report(), MessageLines{messages::NothingToSave()});
}

TEST_F(SaveTest, save_twice_keepsTheFirstBackup) {
    Save();
    port.SetViewText(u"second");
    EXPECT_EQ(Save(), SaveOutcome::BackupKeptAndWritten);
    EXPECT_EQ(Report(), (MessageLines{messages::Saved(form), messages::OlderBackupKept(backup)}));
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_EQ(ReadBytes(form), "second");
}

TEST_F(SaveTest, save_inADottedFolder_staysInTheFolder) {
    fs::create_directory(folder.Path("release.2"));
    const std::string dotted = folder.Path("release.2/form1.frm");
    WriteBytes(dotted, kOriginal);
    EXPECT_EQ(SaveJustRead(dotted), SaveOutcome::BackedUpAndWritten);
    EXPECT_EQ(ReadBytes(folder.Path("release.2/form1.bak")), kOriginal);
    EXPECT_FALSE(fs::exists(folder.Path("release.bak")));
}

TEST_F(SaveTest, save_formFileGone_writesAndSaysThereWasNoOriginal) {
    fs::remove(form);
    EXPECT_EQ(Save(), SaveOutcome::NoOriginalAndWritten);
    EXPECT_EQ(Report(), (MessageLines{messages::Saved(form), messages::NoOriginal()}));
    EXPECT_EQ(ReadBytes(form), newBytes);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_folderUnderTheBackupName_writesNothing) {
    fs::create_directory(backup);
    EXPECT_EQ(Save(), SaveOutcome::BackupFailed);
    EXPECT_EQ(Report(), MessageLines{messages::BackupRefused(form, backup)});
    EXPECT_EQ(ReadBytes(form), kOriginal);
}

TEST_F(SaveTest, save_backupNameOverTheLengthLimit_writesNothing) {
    const std::string longForm = folder.Path(std::string(253, 'f'));  // ".bak" makes it 257
    WriteBytes(longForm, kOriginal);
    EXPECT_EQ(SaveJustRead(longForm), SaveOutcome::BackupFailed);
    EXPECT_EQ(Report(), MessageLines{messages::BackupRefused(longForm, longForm + ".bak")});
    EXPECT_EQ(ReadBytes(longForm), kOriginal);
}

// On FAT and exFAT, which ignore letter case, Main.BAK and its backup name Main.bak are one
// file: saving it would write over the only copy while reporting a kept backup.
TEST_F(SaveTest, save_formNamedLikeItsBackup_inAnyCase_writesNothing) {
    for (const std::string& name : {backup, folder.Path("Main.BAK"), folder.Path("Main.Bak")}) {
        WriteBytes(name, kOriginal);
        EXPECT_EQ(SaveJustRead(name), SaveOutcome::BackupFailed) << name;
        EXPECT_EQ(ReadBytes(name), kOriginal);
    }
    EXPECT_FALSE(fs::exists(folder.Path("Main.bak")));
}

// Saved through the link, the new text would go into the backup, and the old form would be
// left nowhere.
TEST_F(SaveTest, save_formLinkedToItsOwnBackupName_isRefusedAndTheBackupKept) {
    fs::rename(form, backup);
    for (const std::string& leadsTo : {std::string("form1.bak"), backup}) {
        SCOPED_TRACE("form1.frm -> " + leadsTo);
        fs::remove(form);
        fs::create_symlink(leadsTo, form);
        port = ConsolePort();
        port.SetViewText(u"new text");
        EXPECT_EQ(Save(), SaveOutcome::BackupFailed);
        EXPECT_EQ(Report(), MessageLines{messages::BackupRefused(form, backup)});
        EXPECT_EQ(ReadBytes(backup), kOriginal);
        EXPECT_TRUE(fs::is_symlink(form));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 2);
    }
}

TEST_F(SaveTest, save_formFolderRemovedAfterReading_reportsTheFailure) {
    fs::create_directory(folder.Path("gone"));
    const std::string lost = folder.Path("gone/form1.frm");
    fs::remove(folder.Path("gone"));
    EXPECT_EQ(SaveJustRead(lost), SaveOutcome::WriteFailed);
    EXPECT_EQ(Report(), (MessageLines{messages::NotSaved(lost), messages::NoOriginal()}));
}

TEST_F(SaveTest, save_characterTheCodePageCannotHold_touchesNothing) {
    port.SetViewText(u"VERSION 5.00\r\n   Caption = \"中\"\r\n");
    EXPECT_EQ(Save(), SaveOutcome::UnsavableCharacter);
    EXPECT_EQ(Report(), MessageLines{messages::UnsavableCharacter(form, "中", 2, "Windows-1251")});
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

// A file past 64 MiB is refused by the read, so a save that wrote one could never be read.
TEST_F(SaveTest, save_textPast64MiB_isRefusedAndTouchesNothing) {
    port.SetViewText(std::u16string(kMaxFileSize + 1, u'x'));
    EXPECT_EQ(Save(), SaveOutcome::TooLarge);
    EXPECT_EQ(Report(), MessageLines{messages::TooLarge(form)});
    EXPECT_EQ(ReadBytes(form), kOriginal);
}

TEST_F(SaveTest, save_everyByteValue_survives) {
    const std::string bytes = testing::EveryByteValue();
    std::u16string text;
    AppendDecoded(CodePage::Windows1251, bytes, text);
    port.SetViewText(text);
    EXPECT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_EQ(ReadBytes(form), bytes);
}

TEST_F(SaveTest, save_readOnlyForm_isRefusedAndTouchesNothing) {
    fs::permissions(form, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Save(), SaveOutcome::ReadOnly);
    EXPECT_EQ(Report(), MessageLines{messages::ReadOnly(form)});
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_anotherUsersForm_isReadOnlyForThisUser) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to save as another user";
    fs::permissions(folder.Root(), fs::perms::all);  // the folder is the saving user's to write
    fs::permissions(form,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const pid_t child = ::fork();
    if (child == 0) {
        ConsolePort asNobody;
        asNobody.SetViewText(u"new");
        const bool refused =
            ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
            SaveWithBackup(form, AsRead(form), asNobody, CodePage::Windows1251) == SaveOutcome::ReadOnly;
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_throughASymbolicLink_keepsTheLinkAndWritesWhereItLeads) {
    fs::create_directory(folder.Path("shared"));
    const std::string target = folder.Path("shared/form1.frm");
    fs::rename(form, target);
    fs::create_symlink("shared/form1.frm", form);
    EXPECT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_TRUE(fs::is_symlink(form));
    EXPECT_EQ(ReadBytes(target), newBytes);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(backup))) << "the backup is a plain copy";
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_FALSE(fs::exists(folder.Path("shared/form1.bak")));
    port.SetViewText(u"second");
    EXPECT_EQ(Save(), SaveOutcome::BackupKeptAndWritten) << "the next save is not refused";
    EXPECT_EQ(ReadBytes(target), "second");
}

// The backup is then where the form as this save found it lives, and the report says so: the
// original, or (written over with the operator's consent) the other program's change.
TEST_F(SaveTest, save_formFileReplacedByAFolderWhileSaving_keepsTheBackup) {
    const std::string changed = "VERSION 5.00\r\n' changed elsewhere\r\n";
    for (const bool changedElsewhere : {false, true}) {
        SCOPED_TRACE(changedElsewhere ? "written over another program's change" : "the form as read");
        if (fs::is_directory(form))
            fs::remove(form);
        fs::remove(backup);
        WriteBytes(form, kOriginal);
        Read();
        if (changedElsewhere)
            WriteBytes(form, changed);
        port = ConsolePort();
        port.SetViewText(kNewText);
        system::FileSystemSwitches switches;
        switches.beforeCall = [&](system::FileCall call) {
            if (call == system::FileCall::Rename && fs::is_regular_file(form)) {
                fs::remove(form);
                fs::create_directory(form);
            }
        };
        SwitchedFileSystem switched(switches);
        EXPECT_EQ(Save(), SaveOutcome::WriteFailed);
        EXPECT_EQ(Report(),
                  (MessageLines{messages::NotSaved(form), changedElsewhere ? messages::OtherProgramsChangeKeptIn(backup)
                                                                           : messages::OriginalKeptAs(backup)}));
        EXPECT_EQ(ReadBytes(backup), changedElsewhere ? changed : kOriginal);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Root()), fs::directory_iterator()), 2)
            << "no temporary file is left behind";
    }
}

TEST_F(SaveTest, save_backupThatCannotBeRemovedAfterAFailedWrite_isReported) {
    system::FileSystemSwitches switches;
    switches.failing = {{system::FileCall::Rename, 0}, {system::FileCall::Unlink, 0}};
    SwitchedFileSystem switched(switches);
    EXPECT_EQ(Save(), SaveOutcome::WriteFailed);
    EXPECT_EQ(Report(), (MessageLines{messages::NotSaved(form), messages::CopyLeftBeside(backup)}));
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
}

// Another program (the designer, an editor, a checkout) wrote the form after it was read:
// Cancel leaves its change as it is, OK keeps it in the backup and writes the text.
TEST_F(SaveTest, save_formChangedSinceRead_isAskedAboutAndEachAnswerKeepsTheChange) {
    Read();
    const std::string changed = "VERSION 5.00\r\n   Top             =   777\r\n' changed elsewhere\r\n";
    WriteBytes(form, changed);
    RefuseAChange();
    EXPECT_EQ(Save(), SaveOutcome::ChangedByAnotherProgram);
    ASSERT_EQ(port.Messages().size(), 2u);
    EXPECT_EQ(port.Messages()[1].lines, MessageLines{messages::ChangedSinceRead(form)});
    EXPECT_EQ(port.Messages()[1].buttons, MessageButtons::OkCancelDefaultCancel);
    EXPECT_EQ(ReadBytes(form), changed);
    EXPECT_FALSE(fs::exists(backup));

    port = ConsolePort();
    port.SetViewText(kNewText);
    EXPECT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    ASSERT_EQ(port.Messages().size(), 3u);
    EXPECT_EQ(port.Messages()[1].lines, MessageLines{messages::ChangedSinceRead(form)});
    EXPECT_EQ(Report(), (MessageLines{messages::Saved(form), messages::OtherProgramsChangeKeptIn(backup)}));
    EXPECT_EQ(ReadBytes(backup), changed);
    EXPECT_EQ(ReadBytes(form), newBytes);
}

// A rewrite of the same length within one tick of the file system's clock leaves the file's
// state as it was; the bytes still tell. (Here the bytes read differ from the file's, which
// is what such a rewrite after the read leaves.)
TEST_F(SaveTest, save_changeTheStateCannotShow_isFoundByTheBytes) {
    Read();
    known->bytes[20] ^= 1;
    RefuseAChange();
    EXPECT_EQ(Save(), SaveOutcome::ChangedByAnotherProgram);
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

// In a sticky folder another user may swap a link in for his own form between root's read
// and save, to a file of his choice or to a path where none is yet; written through it, the
// save would write over that file or make one there. Swapped in before each call of the
// save in turn (the operator agreeing to write over any change), the link is refused, unless
// it came after the form was replaced, and nothing is made or changed where it leads.
TEST_F(SaveTest, save_linkSwappedInAtEachCall_isRefusedAndWhereItLeadsUntouched) {
    fs::create_directory(folder.Path("elsewhere"));
    const std::string other = folder.Path("elsewhere/other.txt");
    const std::string missing = folder.Path("elsewhere/new.frm");
    for (const std::string& leadsTo : {other, missing}) {
        int refused = 0;
        for (int swapBefore = 1;; ++swapBefore) {
            SCOPED_TRACE("to " + leadsTo + ", swapped in before call " + std::to_string(swapBefore));
            fs::remove_all(form);
            fs::remove(backup);
            fs::remove(missing);
            WriteBytes(other, "not a form\r\n");
            WriteBytes(form, kOriginal);
            Read();
            port = ConsolePort();
            port.SetViewText(kNewText);
            int calls = 0;
            system::FileSystemSwitches switches;
            switches.beforeCall = [&](system::FileCall) {
                if (++calls == swapBefore) {
                    fs::remove(form);
                    fs::create_symlink(leadsTo, form);
                }
            };
            SaveOutcome outcome = SaveOutcome::NothingToSave;
            {
                SwitchedFileSystem switched(switches);
                outcome = Save();
            }
            EXPECT_EQ(ReadBytes(other), "not a form\r\n");
            EXPECT_FALSE(fs::exists(missing));
            if (calls < swapBefore)
                break;
            if (!IsSaved(outcome)) {
                EXPECT_TRUE(fs::is_symlink(form));
                // Swapped in while the form was read, or while its attributes were copied, the
                // link is found by those steps.
                const std::set<SaveOutcome> refusals{SaveOutcome::LeadsElsewhere, SaveOutcome::ChangedWhileChecked,
                                                     SaveOutcome::BackupFailed, SaveOutcome::WriteFailed};
                EXPECT_TRUE(refusals.count(outcome)) << TextOf(Report());
                if (fs::exists(backup)) {
                    EXPECT_EQ(ReadBytes(backup), kOriginal);
                    EXPECT_NE(TextOf(Report()).find(backup), std::string::npos)
                        << "a backup left unsaid: " << TextOf(Report());
                }
                ++refused;
            }
            if (HasFailure())
                return;
        }
        EXPECT_GT(refused, 5) << "the swaps missed the save";
    }
}

// A user may not give a file away, nor to a group he is not in: his save of another's form
// leaves the new files his, and the report says so.
TEST_F(SaveTest, save_ownerAndGroupThatCannotBeKept_areReported) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to save another user's form as a third";
    fs::permissions(folder.Root(), fs::perms::all);
    ASSERT_EQ(::chown(form.c_str(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(form.c_str(), 0666), 0);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        ConsolePort asNobody;
        asNobody.SetViewText(kNewText);
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
            SaveWithBackup(form, AsRead(form), asNobody, CodePage::Windows1251);
        const std::string text = TextOf(asNobody.LastMessage());
        const bool sent = ::write(report[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(report[1]);
    std::string text;
    char buffer[512];
    for (ssize_t count; (count = ::read(report[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(count));
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(text,
              TextOf(MessageLines{messages::Saved(form), messages::OriginalKeptAs(backup), messages::OwnerNotKept()}));
    struct stat info {};
    ASSERT_EQ(::stat(form.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(ReadBytes(form), newBytes);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
}

TEST_F(SaveTest, save_asRoot_keepsOwnerGroupAclAndAttributes) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to give the form another owner";
    if (std::system("command -v setfacl >/dev/null") != 0)
        GTEST_SKIP() << "needs setfacl (Debian package acl)";
    ASSERT_EQ(::chown(form.c_str(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(form.c_str(), 0640), 0);
    ASSERT_EQ(std::system(("setfacl -m u:65534:rw " + form).c_str()), 0);
    if (::setxattr(form.c_str(), "user.tremaro", "kept", 4, 0) != 0)
        GTEST_SKIP() << "the temporary folder has no extended attributes";
    const std::string aclBefore = AclOf(form);
    ASSERT_NE(aclBefore.find("user:65534:rw-"), std::string::npos);

    EXPECT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
    for (const std::string& path : {form, backup}) {
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 1234u) << path;
        EXPECT_EQ(info.st_gid, 5678u) << path;
        EXPECT_EQ(AclOf(path), aclBefore) << path;
        char value[8] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.tremaro", value, sizeof value), 4) << path;
        EXPECT_STREQ(value, "kept") << path;
    }
    EXPECT_EQ(ReadBytes(form), newBytes);
}

// The save's failure table: every path the file system can make the save take, from
// every state a form can be in, with each of its system calls failing in turn (and once
// more with every removal failing too). In every row the form file stays under its name,
// whole, at every moment; and afterwards the files are as the report says.
struct FileSystemPath {
    const char* name;
    bool noHardLinks;
    bool noRenameNoReplace;
    bool noUnnamedTemporary;
};
constexpr FileSystemPath kFileSystemPaths[] = {
    {"every feature", false, false, false},
    {"no hard links", true, false, false},
    {"no rename without replacing", false, true, false},
    {"no unnamed temporary files", false, false, true},
    {"no hard links, no rename without replacing", true, true, false},
    {"no hard links, no unnamed temporary files", true, false, true},
    {"only hard links", false, true, true},
    {"none of the three, as on FAT", true, true, true},
};

enum class Start { Plain, OlderBackup, BackupAppearsMeanwhile, ThroughLink, FormGone, ChangedSinceRead };
constexpr Start kStarts[] = {Start::Plain,       Start::OlderBackup, Start::BackupAppearsMeanwhile,
                             Start::ThroughLink, Start::FormGone,    Start::ChangedSinceRead};
constexpr const char* kStartNames[] = {"a form",
                                       "a form with an older backup",
                                       "a form whose backup another program makes while it is saved",
                                       "a form through a link",
                                       "a form gone since it was read",
                                       "a changed form with an older backup, written over as the operator agreed"};

constexpr system::FileCall kCalls[] = {
    system::FileCall::Open,         system::FileCall::Read,        system::FileCall::Write,
    system::FileCall::Flush,        system::FileCall::ChangeOwner, system::FileCall::ChangeMode,
    system::FileCall::SetAttribute, system::FileCall::SetTimes,    system::FileCall::Rename,
    system::FileCall::Link,         system::FileCall::Unlink,      system::FileCall::Lock};
constexpr const char* kCallNames[] = {"open",  "read",          "write",  "flush", "chown",  "chmod",
                                      "xattr", "set the times", "rename", "link",  "unlink", "lock"};
static_assert(std::size(kCalls) == system::kFileCallKinds && std::size(kCallNames) == system::kFileCallKinds);

class SaveTableTest : public SaveTest {
protected:
    static constexpr const char* kOlderBackup = "older backup\r\n";
    static constexpr std::time_t kOriginalTime = 1000000000;

    // The folders stay from row to row (only their files go), which spares the file system a
    // folder removed and made again for each of some 3000 rows.
    void Prepare(Start start) {
        fs::create_directories(folder.Root() / "shared");
        for (const fs::path& inside : {folder.Root(), folder.Root() / "shared"})
            for (const auto& entry : fs::directory_iterator(inside))
                if (entry.path().filename() != "shared")
                    fs::remove_all(entry.path());
        target = start == Start::ThroughLink ? folder.Path("shared/form1.frm") : form;
        if (start == Start::ChangedSinceRead) {
            WriteBytes(target, "VERSION 5.00\r\n");
            Read();
        }
        if (start != Start::FormGone) {
            WriteBytes(target, kOriginal);
            ::chmod(target.c_str(), 0640);
            // Where the folder has extended attributes, the save copies one, and that call can fail too.
            withAttribute = ::setxattr(target.c_str(), "user.tremaro", "kept", 4, 0) == 0;
            const struct timeval times[2] = {{kOriginalTime, 0}, {kOriginalTime, 0}};
            ::utimes(target.c_str(), times);
        }
        if (start == Start::ThroughLink)
            fs::create_symlink("shared/form1.frm", form);
        if (start == Start::OlderBackup || start == Start::ChangedSinceRead)
            WriteBytes(backup, kOlderBackup);
        port = ConsolePort();
        port.SetViewText(u"VERSION 5.00\r\n   Top             =   120\r\n");
        if (start != Start::ChangedSinceRead)
            Read();
    }

    // At every system call of the save: the form file under its name, old or whole new.
    void WatchTheForm(system::FileSystemSwitches& switches, Start start) {
        switches.beforeCall = [this, start](system::FileCall call) {
            // Before the save's first write, or its first link (the backup made as a second name of the form).
            const bool makes = call == system::FileCall::Write || call == system::FileCall::Link;
            if (start == Start::BackupAppearsMeanwhile && makes && !fs::exists(backup))
                WriteBytes(backup, kOlderBackup);
            if (start == Start::FormGone && !fs::exists(target))
                return;
            const std::string now = fs::is_regular_file(target) ? ReadBytes(target) : "";
            const bool whole = now == kOriginal || now == newBytes;
            if (!whole)
                ++momentsWithoutTheForm;
        };
    }

    // A temporary file that cannot be removed stays; nothing else may.
    void CheckRow(Start start, bool aRemovalFails, const std::string& row) {
        SCOPED_TRACE(row);
        const std::string report = TextOf(Report());
        EXPECT_EQ(momentsWithoutTheForm, 0);
        if (start == Start::ThroughLink) {
            EXPECT_TRUE(fs::is_symlink(form));
        }
        // A changed form goes to the first free backup name, past the older backup.
        const std::string made = start == Start::ChangedSinceRead ? backup + "1" : backup;
        const std::string saved = TextOf(messages::Saved(form)) + "\r\n";
        const std::string notSaved = TextOf(messages::NotSaved(form)) + "\r\n";
        const std::string renamed = TextOf(start == Start::ChangedSinceRead ? messages::OtherProgramsChangeKeptIn(made)
                                                                            : messages::OriginalKeptAs(made));
        const std::string copyLeft = TextOf(messages::CopyLeftBeside(made));
        const std::string kept = TextOf(messages::OlderBackupKept(backup));
        const std::string unchanged = TextOf(messages::OriginalUnchanged());
        const std::string noOriginal = TextOf(messages::NoOriginal());
        const std::string refused = TextOf(messages::BackupRefused(form, made));
        const std::set<std::string> possible =
            start == Start::FormGone ? std::set<std::string>{saved + noOriginal, notSaved + noOriginal, refused}
            : start == Start::OlderBackup || start == Start::BackupAppearsMeanwhile
                ? std::set<std::string>{saved + kept, notSaved + unchanged, refused}
            : start == Start::ChangedSinceRead
                // refused before the change was found, when the form could not be read again
                ? std::set<std::string>{saved + renamed, notSaved + unchanged, notSaved + copyLeft, refused,
                                        TextOf(messages::BackupRefused(form, backup))}
                : std::set<std::string>{saved + renamed, notSaved + unchanged, notSaved + copyLeft, refused};
        ASSERT_TRUE(possible.count(report)) << "an unexpected report: " << report;
        if (start == Start::ChangedSinceRead) {
            const bool asked = std::any_of(port.Messages().begin(), port.Messages().end(), [&](const auto& shown) {
                return shown.lines == MessageLines{messages::ChangedSinceRead(form)};
            });
            EXPECT_TRUE(asked || report == TextOf(messages::BackupRefused(form, backup)))
                << "the change was not asked about";
        }

        const bool saidSaved = report.starts_with(saved);
        if (saidSaved) {
            EXPECT_EQ(ReadBytes(target), newBytes);
        } else if (start == Start::FormGone) {
            EXPECT_FALSE(fs::exists(target));
        } else {
            EXPECT_EQ(ReadBytes(target), kOriginal);
        }

        if (report.ends_with(renamed) || report.ends_with(copyLeft)) {
            EXPECT_EQ(ReadBytes(made), kOriginal);
            ExpectAttributesKept(made, true);
        } else {
            EXPECT_FALSE(fs::exists(made) && made != backup);
        }
        if (start == Start::OlderBackup || start == Start::ChangedSinceRead ||
            (start == Start::BackupAppearsMeanwhile && fs::exists(backup))) {
            EXPECT_EQ(ReadBytes(backup), kOlderBackup);
        } else if (!report.ends_with(renamed) && !report.ends_with(copyLeft)) {
            EXPECT_FALSE(fs::exists(backup));
        }
        if (saidSaved && start != Start::FormGone)
            ExpectAttributesKept(target, false);
        if (!aRemovalFails) {
            EXPECT_EQ(TemporaryFiles(), 0) << "temporary files left behind";
        }
    }

    void ExpectAttributesKept(const std::string& path, bool withTime) const {
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0640u) << path;
        if (withTime) {
            EXPECT_EQ(info.st_mtime, kOriginalTime) << path;
        }
    }

    int TemporaryFiles() const {
        int count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder.Root()))
            count += entry.path().filename().string().starts_with(".tremaro-") ? 1 : 0;
        return count;
    }

    std::string target;
    int momentsWithoutTheForm = 0;
    bool withAttribute = false;
};

TEST_F(SaveTableTest, everyFailureOnEveryPath_keepsTheFormWholeAndTheReportTrue) {
    int rows = 0;
    std::set<system::FileCall> failed;
    for (const FileSystemPath& path : kFileSystemPaths) {
        for (const Start start : kStarts) {
            for (const bool removalsFail : {false, true}) {
                // Row 0 of each call has nothing failing but (maybe) the removals.
                for (std::size_t call = 0; call < std::size(kCalls); ++call) {
                    for (int occurrence = call == 0 ? 0 : 1;; ++occurrence) {
                        Prepare(start);
                        momentsWithoutTheForm = 0;
                        system::FileSystemSwitches switches{
                            path.noHardLinks, path.noRenameNoReplace, path.noUnnamedTemporary, true, {}, {}};
                        if (occurrence > 0)
                            switches.failing.push_back({kCalls[call], occurrence});
                        if (removalsFail)
                            switches.failing.push_back({system::FileCall::Unlink, 0});
                        WatchTheForm(switches, start);
                        bool reached = false;
                        {
                            SwitchedFileSystem switched(switches);
                            Save();
                            reached = occurrence > 0 && system::FailingCallReached();
                        }
                        if (reached)
                            failed.insert(kCalls[call]);
                        ++rows;
                        const bool aRemovalFails =
                            removalsFail || (occurrence > 0 && kCalls[call] == system::FileCall::Unlink);
                        CheckRow(start, aRemovalFails,
                                 std::string(path.name) + ", " + kStartNames[static_cast<int>(start)] +
                                     (occurrence > 0 ? ", " + std::string(kCallNames[call]) + " number " +
                                                           std::to_string(occurrence) + " fails"
                                                     : "") +
                                     (removalsFail ? ", every removal fails" : ""));
                        if (HasFailure())
                            return;
                        if (occurrence > 0 && !reached)
                            break;
                    }
                }
            }
        }
    }
    for (std::size_t call = 0; call < std::size(kCalls); ++call) {
        if (kCalls[call] == system::FileCall::SetAttribute && !withAttribute)
            std::cout << "the temporary folder has no extended attributes: no row makes their copy fail\n";
        else
            EXPECT_TRUE(failed.count(kCalls[call])) << "no row made a " << kCallNames[call] << " fail";
    }
    std::cout << rows << " rows\n";
}

// How a file came to stand under its name in a save, read from the calls the save made:
// where in the record its bytes were last written, flushed, given the name, and the folder
// then flushed (npos for a step not found), and how many bytes were written into it.
struct Arrival {
    static constexpr std::size_t kNone = std::string::npos;
    std::size_t lastWrite = kNone;
    std::size_t flush = kNone;
    std::size_t putInPlace = kNone;
    std::size_t folderFlush = kNone;
    std::size_t bytesWritten = 0;
};

using Calls = std::vector<system::RecordedCall>;

// The descriptor that the latest successful open before position returned.
std::size_t OpenOf(const Calls& calls, int descriptor, std::size_t position) {
    for (std::size_t i = position; i-- > 0;)
        if (calls[i].call == system::FileCall::Open && calls[i].succeeded && calls[i].descriptor == descriptor)
            return i;
    return Arrival::kNone;
}

// The descriptor whose file a name stands for at position: an unnamed file given a name
// through /proc/self/fd, a file opened under the name, or one linked or renamed to it.
int DescriptorBehind(const Calls& calls, std::string name, std::size_t position) {
    constexpr std::string_view kByDescriptor = "/proc/self/fd/";
    while (!name.starts_with(kByDescriptor)) {
        std::size_t i = position;
        while (i-- > 0) {
            const auto& call = calls[i];
            const bool names = call.call == system::FileCall::Link || call.call == system::FileCall::Rename;
            if (call.succeeded &&
                ((names && call.newPath == name) || (call.call == system::FileCall::Open && call.path == name)))
                break;
        }
        if (i == std::size_t(-1))
            return -1;
        if (calls[i].call == system::FileCall::Open)
            return calls[i].descriptor;
        name = calls[i].path;
        position = i;
    }
    return std::stoi(name.substr(kByDescriptor.size()));
}

Arrival ArrivalOf(const Calls& calls, const std::string& name) {
    Arrival arrival;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const auto& call = calls[i];
        if (call.succeeded && call.newPath == name)
            arrival.putInPlace = i;
    }
    if (arrival.putInPlace == Arrival::kNone)
        return arrival;
    const int descriptor = DescriptorBehind(calls, calls[arrival.putInPlace].path, arrival.putInPlace);
    const std::size_t opened = OpenOf(calls, descriptor, arrival.putInPlace);
    if (opened == Arrival::kNone)
        return arrival;
    for (std::size_t i = opened + 1; i < arrival.putInPlace; ++i) {
        const auto& call = calls[i];
        if (call.descriptor != descriptor || !call.succeeded)
            continue;
        if (call.call == system::FileCall::Write) {
            arrival.lastWrite = i;
            arrival.bytesWritten += call.size;
            arrival.flush = Arrival::kNone;
        } else if (call.call == system::FileCall::Flush && arrival.flush == Arrival::kNone) {
            arrival.flush = i;
        }
    }
    const std::string folder = fs::path(name).parent_path().string();
    for (std::size_t i = arrival.putInPlace + 1; i < calls.size() && arrival.folderFlush == Arrival::kNone; ++i) {
        const auto& call = calls[i];
        if (call.call == system::FileCall::Flush && call.succeeded && call.onFolder &&
            calls[OpenOf(calls, call.descriptor, i)].path == folder)
            arrival.folderFlush = i;
    }
    return arrival;
}

// A power loss at any moment of a save finds the form old or new, and the backup, once the
// form is new, whole: each file's bytes reach the disk before its name does, and its name
// before the next step.
TEST_F(SaveTest, save_onEveryPath_flushesEachFileBeforeItsNameAndTheFolderAfter) {
    for (const FileSystemPath& path : kFileSystemPaths) {
        SCOPED_TRACE(path.name);
        fs::remove(backup);
        WriteBytes(form, kOriginal);
        Read();
        system::FileSystemSwitches switches;
        switches.noHardLinks = path.noHardLinks;
        switches.noRenameNoReplace = path.noRenameNoReplace;
        switches.noUnnamedTemporary = path.noUnnamedTemporary;
        switches.recordCalls = true;
        SwitchedFileSystem switched(switches);
        ASSERT_EQ(Save(), SaveOutcome::BackedUpAndWritten);
        ASSERT_EQ(ReadBytes(form), newBytes);

        const Calls& calls = system::RecordedCalls();
        // With hard links the backup is the form's own file, written long before: given its
        // second name, its folder flushed.
        const Arrival linked = ArrivalOf(calls, backup);
        if (!path.noHardLinks) {
            ASSERT_NE(linked.putInPlace, Arrival::kNone);
            EXPECT_EQ(calls[linked.putInPlace].call, system::FileCall::Link);
            EXPECT_EQ(calls[linked.putInPlace].path, form) << "the backup is not the form's own file";
            EXPECT_EQ(linked.bytesWritten, 0u) << "the original was written again";
            EXPECT_NE(linked.folderFlush, Arrival::kNone) << "its folder was not flushed after it was named";
        }
        std::vector<std::pair<std::string, std::string>> written = {{form, newBytes}};
        if (path.noHardLinks)
            written.emplace_back(backup, kOriginal);
        for (const auto& [name, bytes] : written) {
            SCOPED_TRACE(name);
            const Arrival arrival = ArrivalOf(calls, name);
            ASSERT_NE(arrival.putInPlace, Arrival::kNone) << "nothing was renamed or linked to it";
            EXPECT_EQ(arrival.bytesWritten, bytes.size());
            ASSERT_NE(arrival.lastWrite, Arrival::kNone) << "its bytes were not written";
            EXPECT_NE(arrival.flush, Arrival::kNone) << "it was not flushed after its last write, before it was named";
            EXPECT_NE(arrival.folderFlush, Arrival::kNone) << "its folder was not flushed after it was named";
        }
        EXPECT_LT(ArrivalOf(calls, backup).folderFlush, ArrivalOf(calls, form).putInPlace)
            << "the form was replaced before its backup's name was on the disk";
    }
}

// Saves made as one batch of three forms in two folders: each writes its new text (and, as on
// FAT, its backup copy) and waits, naming nothing; then one flush of the file system serves
// every file, every backup takes its name (with hard links, as a second name of its form's
// file, written nowhere) and every folder is flushed before any form is replaced, and each
// folder is flushed once more after its forms. Each folder is locked once for the whole batch.
TEST_F(SaveTest, batchSave_flushesEveryFileOnceTogetherThenPutsEachBackupBeforeItsForm) {
    fs::create_directory(folder.Path("two"));
    const std::vector<std::pair<std::string, std::string>> files = {
        {form, backup},
        {folder.Path("form2.frm"), folder.Path("form2.bak")},
        {folder.Path("two/form3.frm"), folder.Path("two/form3.bak")}};
    for (const bool hardLinks : {true, false}) {
        SCOPED_TRACE(hardLinks ? "with hard links" : "without hard links nor unnamed files, as on FAT");
        for (const auto& [name, backupName] : files) {
            fs::remove(backupName);
            WriteBytes(name, kOriginal);
        }
        std::vector<ConsolePort> ports(files.size());
        std::vector<FileRead> read(files.size());
        std::vector<SaveOutcome> ended(files.size(), SaveOutcome::WaitsForBatch);
        system::FileSystemSwitches switches;
        switches.noHardLinks = !hardLinks;
        switches.noUnnamedTemporary = !hardLinks;
        switches.recordCalls = true;
        SwitchedFileSystem switched(switches);
        std::size_t callsBeforeThePutting = 0;
        {
            FolderBatch batch({folder.Root().string(), folder.Path("two")});
            for (std::size_t i = 0; i < files.size(); ++i) {
                ports[i].SetViewText(kNewText);
                read[i] = AsRead(files[i].first);
                ASSERT_EQ(SaveWithBackup(files[i].first, read[i], ports[i], CodePage::Windows1251, nullptr, &batch,
                                         [&ended, i](SaveOutcome outcome) { ended[i] = outcome; }),
                          SaveOutcome::WaitsForBatch);
            }
            for (const auto& [name, backupName] : files) {
                EXPECT_EQ(ReadBytes(name), kOriginal) << name << " replaced before the batch's flush";
                EXPECT_FALSE(fs::exists(backupName)) << backupName << " named before the batch's flush";
            }
            callsBeforeThePutting = system::RecordedCalls().size();
            batch.Finish();
        }
        const Calls& calls = system::RecordedCalls();
        const auto isFlush = [](const system::RecordedCall& call) { return call.call == system::FileCall::Flush; };
        EXPECT_FALSE(
            std::any_of(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(callsBeforeThePutting), isFlush))
            << "a file was flushed on its own";
        const auto fileSystemFlush = std::find_if(calls.begin(), calls.end(), [](const system::RecordedCall& call) {
            return call.call == system::FileCall::Flush && call.wholeFileSystem && call.succeeded;
        });
        ASSERT_NE(fileSystemFlush, calls.end()) << "the files were never flushed";
        const auto flushedAt = static_cast<std::size_t>(fileSystemFlush - calls.begin());
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const auto& call) { return call.wholeFileSystem; }), 1)
            << "one file system flushed more than once";
        for (std::size_t i = 0; i < files.size(); ++i) {
            const auto& [name, backupName] = files[i];
            SCOPED_TRACE(name);
            EXPECT_EQ(ended[i], SaveOutcome::BackedUpAndWritten);
            EXPECT_EQ(ports[i].LastMessage(),
                      (MessageLines{messages::Saved(name), messages::OriginalKeptAs(backupName)}));
            EXPECT_EQ(ReadBytes(name), newBytes);
            EXPECT_EQ(ReadBytes(backupName), kOriginal);
            const Arrival backupArrival = ArrivalOf(calls, backupName);
            const Arrival formArrival = ArrivalOf(calls, name);
            ASSERT_NE(formArrival.putInPlace, Arrival::kNone);
            ASSERT_NE(backupArrival.putInPlace, Arrival::kNone);
            EXPECT_LT(formArrival.lastWrite, flushedAt) << "the new form was written after the flush";
            EXPECT_LT(flushedAt, formArrival.putInPlace) << "the form was replaced before the flush";
            EXPECT_NE(formArrival.folderFlush, Arrival::kNone) << "its rename was never flushed";
            if (hardLinks) {
                EXPECT_EQ(calls[backupArrival.putInPlace].path, name) << "the backup is not the form's own file";
                EXPECT_EQ(backupArrival.bytesWritten, 0u) << "the original was written again";
            } else {
                EXPECT_LT(backupArrival.lastWrite, flushedAt) << "the backup was written after the flush";
            }
            EXPECT_LT(flushedAt, backupArrival.putInPlace) << "the backup was named before the flush";
            ASSERT_NE(backupArrival.folderFlush, Arrival::kNone) << "its backup's name was never flushed";
            EXPECT_LT(backupArrival.folderFlush, formArrival.putInPlace)
                << "replaced before its backup's name was on the disk";
        }
        EXPECT_EQ(ArrivalOf(calls, form).folderFlush, ArrivalOf(calls, files[1].first).folderFlush)
            << "the first form's rename was flushed on its own";
        const auto folderFlushes = std::count_if(calls.begin(), calls.end(), [](const system::RecordedCall& call) {
            return call.call == system::FileCall::Flush && call.onFolder && !call.wholeFileSystem;
        });
        EXPECT_EQ(folderFlushes, 4)
            << "a folder was not flushed once after the backups' names and once after the forms'";
        const auto locks = std::count_if(calls.begin(), calls.end(), [](const system::RecordedCall& call) {
            return call.call == system::FileCall::Lock;
        });
        EXPECT_EQ(locks, 2) << "a folder was locked again for each save";
    }
}

// Another program changing the form just before each call of the save in turn: cutting it
// short to write it anew, or (on a clock of two seconds, as FAT's, whose change time follows
// the modification time) rewriting it to the same length and putting its times back, which
// only its bytes then show. The save never writes over the change unseen (but in the
// instant between its last look and the rename, just before the rename itself), never
// keeps a changed backup, and never says it saved a form it did not save whole. A backup
// it made before the change stays, the only copy of the form as read, and its report says
// where.
TEST_F(SaveTest, save_formChangedAtEachCallInTurn_isNeverWrittenOverUnseenNorBackedUpChanged) {
    struct Change {
        const char* name;
        bool coarseClock;
        std::string result;
    };
    std::string sameLength = kOriginal;
    sameLength[20] = '9';
    const Change changes[] = {{"cut short", false, std::string(kOriginal).substr(0, 10)},
                              {"rewritten with its times put back", true, sameLength}};
    for (const Change& change : changes) {
        for (const FileSystemPath& path : kFileSystemPaths) {
            int refused = 0;
            for (int changeBefore = 1;; ++changeBefore) {
                SCOPED_TRACE(std::string(change.name) + ", " + path.name + ", before call " +
                             std::to_string(changeBefore));
                fs::remove(backup);
                WriteBytes(form, kOriginal);
                {
                    system::FileSystemSwitches clock;
                    clock.coarseClock = change.coarseClock;
                    SwitchedFileSystem readOnTheSameClock(clock);
                    Read();
                }
                RefuseAChange();
                int calls = 0;
                bool changed = false;
                bool backupWhenChanged = false;
                system::FileSystemSwitches switches{
                    path.noHardLinks, path.noRenameNoReplace, path.noUnnamedTemporary, true, {}, {}};
                switches.recordCalls = true;
                switches.coarseClock = change.coarseClock;
                switches.beforeCall = [&](system::FileCall) {
                    if (++calls == changeBefore && ReadBytes(form) == kOriginal) {
                        struct stat before {};
                        ::stat(form.c_str(), &before);
                        std::ofstream(form, std::ios::binary | std::ios::in | std::ios::out)
                            << change.result.substr(0, 21);
                        fs::resize_file(form, change.result.size());
                        const struct timespec times[2] = {before.st_atim, before.st_mtim};
                        ::utimensat(AT_FDCWD, form.c_str(), times, 0);
                        changed = true;
                        // A backup that is the form's own file holds the change too: no copy of the original.
                        backupWhenChanged = fs::exists(backup) && !fs::equivalent(backup, form);
                    }
                };
                SaveOutcome outcome = SaveOutcome::NothingToSave;
                int formReplacedAt = 0;
                int lastBytesCompared = 0;
                {
                    SwitchedFileSystem switched(switches);
                    outcome = Save();
                    const Calls& recorded = system::RecordedCalls();
                    for (std::size_t i = 0; i < recorded.size(); ++i)
                        if (recorded[i].call == system::FileCall::Rename && recorded[i].succeeded &&
                            recorded[i].newPath == form)
                            formReplacedAt = static_cast<int>(i) + 1;
                    // The bytes compared after the new form was written, or none (then the
                    // rename is the last instant).
                    lastBytesCompared = formReplacedAt - 1;
                    for (int i = 0; i + 1 < formReplacedAt; ++i) {
                        if (recorded[i].call == system::FileCall::Write)
                            lastBytesCompared = formReplacedAt - 1;
                        else if (recorded[i].call == system::FileCall::Read && recorded[i].size > 0)
                            lastBytesCompared = i + 1;
                    }
                }
                // The one moment a change can slip through: after the last look, before the
                // rename; where only the bytes can tell, the last look is their last read.
                const bool inTheLastInstant =
                    change.coarseClock ? changeBefore > lastBytesCompared : changeBefore == formReplacedAt;
                // A backup that is the form's own file keeps a change made in the last instant,
                // where a copy would have let it go with the old file.
                if (fs::exists(backup)) {
                    const std::string held = ReadBytes(backup);
                    EXPECT_TRUE(held == kOriginal || (inTheLastInstant && !path.noHardLinks && held == change.result))
                        << "a changed backup";
                }
                if (IsSaved(outcome)) {
                    EXPECT_EQ(ReadBytes(form), newBytes);
                    EXPECT_TRUE(!changed || inTheLastInstant) << "the change was written over unseen";

                } else {
                    EXPECT_TRUE(outcome == SaveOutcome::ChangedByAnotherProgram ||
                                outcome == SaveOutcome::ChangedWhileChecked)
                        << static_cast<int>(outcome);
                    EXPECT_EQ(ReadBytes(form), change.result);
                    EXPECT_TRUE(fs::exists(backup) || !backupWhenChanged) << "the only copy of the original removed";
                    EXPECT_EQ(fs::exists(backup),
                              TextOf(Report()).ends_with(TextOf(messages::VersionReadKeptAs(backup))))
                        << "a backup left unsaid, or said and not left: " << TextOf(Report());
                    ++refused;
                }
                if (HasFailure())
                    return;
                if (calls < changeBefore)
                    break;
            }
            EXPECT_GT(refused, 5) << path.name << ": the changes missed the save";
        }
    }
}

// The outcome of a save run in a process of its own, and its last message.
struct OtherSave {
    SaveOutcome outcome = SaveOutcome::NothingToSave;
    std::string report;
};

// Two saves of one form, each from the form as read before either began (two windows, a
// window and the command line, two batch runs): the second starts just before each call of
// the first in turn, in a process of its own, and runs until it ends or waits for the
// first's turn. Whatever the order, the original and every text a report says was saved
// are still on the disk, no report speaks of an older backup (there was none), and each
// backup a report names holds what the form held before that save.
class TwoSavesTest : public SaveTest {
protected:
    static constexpr const char* kFirstText = "first\r\n";
    static constexpr const char* kSecondText = "second\r\n";

    // Starts the second save and returns once it has ended or waits for the folder's lock;
    // reports holds the pipe its outcome comes through.
    pid_t StartSecondSave(PressedButton answer, int reports[2]) {
        const FileRead known = *this->known;
        if (::pipe(reports) != 0)
            return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            CloseAllBut(reports[1]);
            system::FileSystemSwitches switches;
            switches.beforeWaitingForLock = [&] { Send(reports[1], "W"); };
            system::SetFileSystemSwitches(switches);
            ConsolePort second;
            second.SetViewText(u"second\r\n");
            for (int i = 0; i < 4; ++i)
                second.AnswerNextQuestion(i == 0 ? PressedButton::Ok : answer);
            const SaveOutcome outcome = SaveWithBackup(form, known, second, CodePage::Windows1251);
            Send(reports[1], "D" + std::to_string(static_cast<int>(outcome)) + " " + TextOf(second.LastMessage()));
            ::_exit(0);
        }
        ::close(reports[1]);
        char first = 0;
        if (::read(reports[0], &first, 1) != 1)
            ADD_FAILURE() << "the second save said nothing";
        startedAndWaiting = first == 'W';
        if (first == 'D')
            doneAtOnce = true;
        return child;
    }

    // The other process holds none of this one's files: a copy of the first save's folder
    // descriptor would hold its lock for as long as the second save waits for it.
    static void CloseAllBut(int kept) {
        std::vector<int> open;
        for (const auto& entry : fs::directory_iterator("/proc/self/fd"))
            open.push_back(std::stoi(entry.path().filename().string()));
        for (const int descriptor : open)
            if (descriptor > 2 && descriptor != kept)
                ::close(descriptor);
    }

    static void Send(int descriptor, const std::string& text) {
        if (::write(descriptor, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            ::_exit(1);
    }

    OtherSave Finish(pid_t child, int reports[2]) {
        int status = 0;
        ::waitpid(child, &status, 0);
        std::string text = doneAtOnce ? "D" : "";
        char buffer[512];
        for (ssize_t count; (count = ::read(reports[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(count));
        ::close(reports[0]);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        const auto space = text.find(' ');
        if (text.empty() || text[0] != 'D' || space == std::string::npos)
            return {};
        return {static_cast<SaveOutcome>(std::stoi(text.substr(1, space - 1))), text.substr(space + 1)};
    }

    // Each backup that report names holds what the form held before the save: the original,
    // or the other save's text.
    void ExpectTrue(const std::string& report, const std::string& otherText) const {
        EXPECT_EQ(report.find(TextOf(messages::OlderBackupKept(backup))), std::string::npos) << report;
        for (const auto& entry : fs::directory_iterator(folder.Root())) {
            const std::string name = entry.path().string();
            if (name == form)
                continue;
            const bool named = report.find(TextOf(messages::OriginalKeptAs(name))) != std::string::npos ||
                               report.find(TextOf(messages::OtherProgramsChangeKeptIn(name))) != std::string::npos ||
                               report.find(TextOf(messages::VersionReadKeptAs(name))) != std::string::npos;
            if (named) {
                const std::string held = ReadBytes(name);
                EXPECT_TRUE(held == kOriginal || held == otherText) << name << " holds " << held;
            }
        }
    }

    bool Holds(const std::string& bytes) const {
        for (const auto& entry : fs::directory_iterator(folder.Root()))
            if (ReadBytes(entry.path().string()) == bytes)
                return true;
        return false;
    }

    bool startedAndWaiting = false;
    bool doneAtOnce = false;
};

TEST_F(TwoSavesTest, secondStartedAtEachCallOfTheFirst_losesNothingAndReportsTruly) {
    for (const PressedButton answer : {PressedButton::Cancel, PressedButton::Ok}) {
        int waited = 0;
        for (int startBefore = 1;; ++startBefore) {
            SCOPED_TRACE(std::string(answer == PressedButton::Ok ? "writing over changes" : "refusing changes") +
                         ", the second save started before call " + std::to_string(startBefore));
            for (const auto& entry : fs::directory_iterator(folder.Root()))
                fs::remove_all(entry.path());
            WriteBytes(form, kOriginal);
            Read();
            port = ConsolePort();
            port.SetViewText(u"first\r\n");
            for (int i = 0; i < 4; ++i)
                port.AnswerNextQuestion(i == 0 ? PressedButton::Ok : answer);
            int calls = 0;
            int reports[2] = {-1, -1};
            pid_t second = -1;
            startedAndWaiting = doneAtOnce = false;
            system::FileSystemSwitches switches;
            switches.beforeCall = [&](system::FileCall) {
                if (++calls == startBefore)
                    second = StartSecondSave(answer, reports);
            };
            SaveOutcome first = SaveOutcome::NothingToSave;
            {
                SwitchedFileSystem switched(switches);
                first = Save();
            }
            if (second < 0)
                break;
            waited += startedAndWaiting ? 1 : 0;
            const OtherSave other = Finish(second, reports);
            ASSERT_NE(other.outcome, SaveOutcome::NothingToSave) << "the second save sent no outcome";
            EXPECT_TRUE(Holds(kOriginal)) << "the original is lost";
            if (IsSaved(first)) {
                EXPECT_TRUE(Holds(kFirstText)) << "the first save's text is lost";
            }
            if (IsSaved(other.outcome)) {
                EXPECT_TRUE(Holds(kSecondText)) << "the second save's text is lost";
            }
            const std::string now = ReadBytes(form);
            EXPECT_TRUE(now == kOriginal || (now == kFirstText && IsSaved(first)) ||
                        (now == kSecondText && IsSaved(other.outcome)))
                << now;
            ExpectTrue(TextOf(Report()), kSecondText);
            ExpectTrue(other.report, kFirstText);
            for (const auto& entry : fs::directory_iterator(folder.Root())) {
                const std::string name = entry.path().string();
                EXPECT_TRUE(name == form || name.starts_with(backup)) << name << " left";
            }
            if (HasFailure())
                return;
        }
        EXPECT_GT(waited, 3) << "the second save never waited for the first";
    }
}

}  // namespace
}  // namespace tremaro
