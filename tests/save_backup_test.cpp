#include "core/save_backup.h"

#include "platform/code_page.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScriptedPort;
using testing::TempFolder;
using testing::WriteBytes;

TEST(BackupName, replacesTheExtensionOfTheFilesOwnName) {
    EXPECT_EQ(BackupNameFor("/work/form1.frm"), "/work/form1.bak");
    EXPECT_EQ(BackupNameFor("/work/a.v1.frm"), "/work/a.v1.bak");
    EXPECT_EQ(BackupNameFor("/work/form1."), "/work/form1.bak");
    EXPECT_EQ(BackupNameFor("form1.frm"), "form1.bak");
}

TEST(BackupName, appendsWhereTheNameHasNoExtension) {
    EXPECT_EQ(BackupNameFor("/work/Form1"), "/work/Form1.bak");
    EXPECT_EQ(BackupNameFor("/work/.hidden"), "/work/.hidden.bak");
    EXPECT_EQ(BackupNameFor("/work/release.2/Form1"), "/work/release.2/Form1.bak");
    EXPECT_EQ(BackupNameFor("Form1"), "Form1.bak");
}

TEST(BackupName, keepsTheFolder) {
    EXPECT_EQ(BackupNameFor("/work/release.2/form1.frm"), "/work/release.2/form1.bak");
}

class SaveTest : public ::testing::Test {
protected:
    static constexpr const char* kOriginal = "VERSION 5.00\r\n   Top             =   100\r\n";

    SaveTest() {
        WriteBytes(form, kOriginal);
        port.SetViewText(u"\r\nVERSION 5.00\r\n   Top             =  120 \r\n");
    }
    SaveOutcome Save() { return SaveWithBackup(form, port); }
    std::string Report() const { return port.shown.empty() ? "" : port.shown.back().text; }

    // Whatever happened, the form as it was must still be on the disk somewhere.
    void ExpectOriginalKept() const {
        const bool inForm = fs::is_regular_file(form) && ReadBytes(form) == kOriginal;
        const bool inBackup = fs::is_regular_file(backup) && ReadBytes(backup) == kOriginal;
        EXPECT_TRUE(inForm || inBackup);
    }

    TempFolder folder;
    std::string form = folder.Path("form1.frm");
    std::string backup = folder.Path("form1.bak");
    ScriptedPort port;
    const std::string newBytes = "\r\nVERSION 5.00\r\n   Top             =  120 \r\n";
};

TEST_F(SaveTest, save_renamesTheOriginalAndWritesTheView) {
    EXPECT_EQ(Save(), SaveOutcome::RenamedAndWritten);
    ASSERT_EQ(port.shown.size(), 2u);
    EXPECT_EQ(port.shown[0].text, "Записва файл: " + form);
    EXPECT_EQ(port.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Report(), "Записан е файл " + form + ".\r\nОригиналният файл е преименуван на " + backup + ".");
    EXPECT_EQ(port.shown[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_EQ(ReadBytes(form), newBytes);
}

TEST_F(SaveTest, save_cancel_changesNothing) {
    port.answers = {PressedButton::Cancel};
    EXPECT_EQ(Save(), SaveOutcome::Cancelled);
    EXPECT_EQ(port.shown.size(), 1u);
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_noFormRead_saysSoWithoutAsking) {
    EXPECT_EQ(SaveWithBackup("", port), SaveOutcome::NothingToSave);
    ASSERT_EQ(port.shown.size(), 1u);
    EXPECT_EQ(Report(), "Няма форма за записване.");
}

TEST_F(SaveTest, save_twice_keepsTheFirstBackup) {
    Save();
    port.SetViewText(u"second");
    EXPECT_EQ(Save(), SaveOutcome::BackupKeptAndWritten);
    EXPECT_EQ(Report(), "Записан е файл " + form + ".\r\nРезервният файл " + backup +
                            " вече съществува и е оставен без промяна.");
    EXPECT_EQ(ReadBytes(backup), kOriginal);
    EXPECT_EQ(ReadBytes(form), "second");
}

TEST_F(SaveTest, save_inADottedFolder_staysInTheFolder) {
    fs::create_directory(folder.Path("release.2"));
    const std::string dotted = folder.Path("release.2/form1.frm");
    WriteBytes(dotted, kOriginal);
    EXPECT_EQ(SaveWithBackup(dotted, port), SaveOutcome::RenamedAndWritten);
    EXPECT_EQ(ReadBytes(folder.Path("release.2/form1.bak")), kOriginal);
    EXPECT_FALSE(fs::exists(folder.Path("release.bak")));
}

TEST_F(SaveTest, save_formFileGone_writesAndSaysThereWasNoOriginal) {
    fs::remove(form);
    EXPECT_EQ(Save(), SaveOutcome::NoOriginalAndWritten);
    EXPECT_EQ(Report(), "Записан е файл " + form + ".\r\nНяма оригинален файл за преименуване.");
    EXPECT_EQ(ReadBytes(form), newBytes);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_folderUnderTheBackupName_writesNothing) {
    fs::create_directory(backup);
    EXPECT_EQ(Save(), SaveOutcome::RenameFailed);
    EXPECT_EQ(Report(), "Файлът " + form + " не е записан: не може да бъде преименуван на " + backup + ".");
    EXPECT_EQ(ReadBytes(form), kOriginal);
}

TEST_F(SaveTest, save_backupNameOverTheLengthLimit_writesNothing) {
    const std::string longForm = folder.Path(std::string(253, 'f'));  // ".bak" makes it 257
    WriteBytes(longForm, kOriginal);
    EXPECT_EQ(SaveWithBackup(longForm, port), SaveOutcome::RenameFailed);
    EXPECT_EQ(Report(), "Файлът " + longForm + " не е записан: не може да бъде преименуван на " + longForm + ".bak.");
    EXPECT_EQ(ReadBytes(longForm), kOriginal);
}

TEST_F(SaveTest, save_formNamedLikeItsBackup_writesNothing) {
    WriteBytes(backup, kOriginal);
    EXPECT_EQ(SaveWithBackup(backup, port), SaveOutcome::RenameFailed);
    EXPECT_EQ(ReadBytes(backup), kOriginal);
}

TEST_F(SaveTest, save_formFolderRemovedAfterReading_reportsTheFailure) {
    fs::create_directory(folder.Path("gone"));
    const std::string lost = folder.Path("gone/form1.frm");
    fs::remove(folder.Path("gone"));
    EXPECT_EQ(SaveWithBackup(lost, port), SaveOutcome::WriteFailed);
    EXPECT_EQ(Report(), "Файлът " + lost + " не е записан.\r\nНяма оригинален файл за преименуване.");
}

TEST_F(SaveTest, save_characterTheCodePageCannotHold_touchesNothing) {
    port.SetViewText(u"\r\nVERSION 5.00\r\n   Caption = \"中\"\r\n");
    EXPECT_EQ(Save(), SaveOutcome::UnsavableCharacter);
    EXPECT_EQ(Report(), "Файлът " + form +
                            " не е записан: знакът 中 на ред 3 не може да се запише в кодировка Windows-1251.");
    EXPECT_EQ(ReadBytes(form), kOriginal);
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SaveTest, save_everyByteValue_survives) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    port.SetViewText(DecodeCodePage(bytes));
    EXPECT_EQ(Save(), SaveOutcome::RenamedAndWritten);
    EXPECT_EQ(ReadBytes(form), bytes);
}

TEST_F(SaveTest, save_keepsThePermissionBits) {
    fs::permissions(form, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Save();
    struct stat info {};
    ASSERT_EQ(::stat(form.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    Save();
    ASSERT_EQ(::stat(form.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(SaveTest, failedSave_neverLosesTheOriginal) {
    const std::function<void()> failures[] = {
        [&] { fs::create_directory(backup); },
        [&] { port.SetViewText(u"\u4E2D"); },
        [&] { port.answers = {PressedButton::Cancel}; },
    };
    for (const auto& makeItFail : failures) {
        fs::remove_all(form);
        fs::remove_all(backup);
        WriteBytes(form, kOriginal);
        port = ScriptedPort();
        port.SetViewText(u"new");
        makeItFail();
        EXPECT_FALSE(IsSaved(Save()));
        ExpectOriginalKept();
    }
}

}  // namespace
}  // namespace tremaro
