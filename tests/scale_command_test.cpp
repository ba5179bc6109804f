#include "cli/command_texts.h"
#include "cli/scale_command.h"
#include "core/messages.h"
#include "platform/system_calls.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::Printed;
using testing::ReadBytes;
using testing::SwitchedFileSystem;
using testing::TempFolder;
using testing::WriteBytes;

class ScaleCommandTest : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return RunScaleCommand(arguments, out, err);
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    const std::string form = folder.Path("form1.frm");
    static constexpr const char* kForm = "Begin VB.Form Form1\r\n   Height          =   495\r\n   Caption = \"Чете\"\n";
};

TEST_F(ScaleCommandTest, stdout_writesTheBytesASaveWouldWrite) {
    WriteBytes(form, "Begin VB.Form Form1\r\n   Height          =   495\r\n   Caption = \"\xD7\xE5\xF2\xE5\"\n");
    EXPECT_EQ(Run({"--stdout", "120", form}), 0);
    EXPECT_EQ(
        out.str(),
        "Begin VB.Form Form1\r\n"
        "   BeginProperty Font \r\n      Name            =   \"MS Sans Serif\"\r\n      Size            =   9.9\r\n"
        "      Charset         =   204\r\n      Weight          =   400\r\n      Underline       =   0   'False\r\n"
        "      Italic          =   0   'False\r\n      Strikethrough   =   0   'False\r\n   EndProperty\r\n"
        "   Height          =   594\r\n   Caption = \"\xD7\xE5\xF2\xE5\"\n");
    EXPECT_EQ(err.str(), Printed(messages::CorrectionFinished()));
    EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
}

// A form's lines, each followed by its ending.
std::string Ended(const std::vector<std::string>& lines, const std::vector<std::string>& endings) {
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + endings[i];
    return bytes;
}

// Every line comes back with the ending it was read with, printed and saved, at 100 % and at
// 120 %; the font group a correction adds takes the ending of the line before it.
TEST_F(ScaleCommandTest, lineEndings_comeBackAsTheyWereRead) {
    const std::vector<std::string> read = {"VERSION 5.00",
                                           "Begin VB.Form Form1",
                                           "   Caption         =   \"Form1\"",
                                           "   ClientHeight    =   3090",
                                           "   ClientWidth     =   4680",
                                           "   LinkTopic       =   \"Form1\"",
                                           "End",
                                           "Attribute VB_Name = \"Form1\""};
    const std::vector<std::string> at120 = {"VERSION 5.00",
                                            "Begin VB.Form Form1",
                                            "   Caption         =   \"Form1\"",
                                            "   ClientHeight    =   3708",
                                            "   ClientWidth     =   5616",
                                            "   BeginProperty Font ",
                                            "      Name            =   \"MS Sans Serif\"",
                                            "      Size            =   9.9",
                                            "      Charset         =   1",
                                            "      Weight          =   400",
                                            "      Underline       =   0   'False",
                                            "      Italic          =   0   'False",
                                            "      Strikethrough   =   0   'False",
                                            "   EndProperty",
                                            "   LinkTopic       =   \"Form1\"",
                                            "End",
                                            "Attribute VB_Name = \"Form1\""};
    const std::string lf = "\n", crlf = "\r\n", cr = "\r", none;
    const struct {
        const char* name;
        std::vector<std::string> endings;
    } files[] = {
        {"LF", {lf, lf, lf, lf, lf, lf, lf, lf}},
        {"CR LF", {crlf, crlf, crlf, crlf, crlf, crlf, crlf, crlf}},
        {"mixed", {crlf, lf, crlf, cr, lf, crlf, lf, crlf}},
        {"last line without one", {lf, lf, lf, lf, lf, lf, lf, none}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        std::vector<std::string> endings120 = file.endings;
        endings120.insert(endings120.begin() + 5, 9, file.endings[4]);
        const std::string original = Ended(read, file.endings);
        for (const auto& [percent, expected] : {std::pair{"100", original}, {"120", Ended(at120, endings120)}}) {
            SCOPED_TRACE(percent);
            WriteBytes(form, original);
            ASSERT_EQ(Run({"--stdout", percent, form}), 0);
            EXPECT_EQ(out.str(), expected);
            ASSERT_EQ(Run({percent, form}), 0);
            EXPECT_EQ(ReadBytes(form), expected);
            EXPECT_EQ(ReadBytes(folder.Path("form1.bak")), original);
            fs::remove(folder.Path("form1.bak"));
        }
    }
}

TEST_F(ScaleCommandTest, stdout_refusedPercent_isCheckedBeforeTheFile) {
    EXPECT_EQ(Run({"--stdout", "1e999", folder.Path("missing.frm")}), 2);
    EXPECT_EQ(err.str(), Printed(messages::PercentRefused()));
    EXPECT_EQ(out.str(), "");
}

TEST_F(ScaleCommandTest, stdout_unreadableFile_exitsOne) {
    EXPECT_EQ(Run({"--stdout", "120", folder.Path("missing.frm")}), 1);
    EXPECT_EQ(err.str(), Printed(messages::CannotRead(folder.Path("missing.frm"))));
}

TEST_F(ScaleCommandTest, stdout_valueOutOfRange_exitsTwo) {
    WriteBytes(form, "Begin VB.Form Form1\r\nTop  =2000000000\r\nEnd\r\n");
    EXPECT_EQ(Run({"--stdout", "200", form}), 2);
    EXPECT_EQ(err.str(), Printed(messages::ValueOutOfRange(2)));
    EXPECT_EQ(out.str(), "");
}

TEST_F(ScaleCommandTest, showCodePage_printsEachFilesCodePage) {
    const std::string chinese = folder.Path("chinese.frm");
    WriteBytes(form, kForm);
    WriteBytes(chinese,
               "Begin VB.Form Form1\r\n   Caption = \"\xD0\xC5\xBA\xC5\"\r\n   BeginProperty Font\r\n"
               "      Charset = 134\r\n   EndProperty\r\nEnd\r\n");
    const std::string missing = folder.Path("missing.frm");
    EXPECT_EQ(Run({"--show-code-page", form, missing, chinese}), 1);
    EXPECT_EQ(out.str(), form + "\tutf-8\town\n" + chinese + "\tgbk\town\n");  // this file's own text is UTF-8
    EXPECT_EQ(err.str(), Printed(messages::CannotRead(missing)));
    EXPECT_EQ(Run({"--code-page", "CP1252", "--show-code-page", chinese}), 0);
    EXPECT_EQ(out.str(), chinese + "\twindows-1252\town\n");
}

// A Greek project: two forms whose fonts and text say Greek, one of ASCII alone, and a few
// Greek words with no font naming a script, which the detector and the words alone cannot
// tell from Cyrillic; another folder's form of ASCII alone decides alone.
TEST_F(ScaleCommandTest, showCodePage_formsThatSayLittle_takeTheirFoldersCodePage) {
    const std::string greekFonts = "   BeginProperty Font\r\n      Charset = 161\r\n   EndProperty\r\n";
    const std::string greek1 = folder.Path("customers.frm");
    const std::string greek2 = folder.Path("orders.frm");
    const std::string ascii = folder.Path("about.frm");
    const std::string few = folder.Path("login.frm");
    const std::string elsewhere = folder.Path("other/about.frm");
    fs::create_directory(folder.Path("other"));
    WriteBytes(greek1, "Begin VB.Form F\r\n   Caption = \"\xCF\xE5\xEB\xDC\xF4\xE5\xF2\"\r\n" + greekFonts + "End\r\n");
    WriteBytes(greek2, "Begin VB.Form F\r\n   Caption = \"\xD0\xE1\xF1\xE1\xE3\xE3\xE5\xEB\xDF\xE5\xF2\"\r\n" +
                           greekFonts + "End\r\n");
    WriteBytes(ascii, "Begin VB.Form F\r\n   Caption = \"About\"\r\nEnd\r\n");
    WriteBytes(few, "Begin VB.Form F\r\n   Caption = \"\xEF\xEA\"\r\nEnd\r\n");  // οκ
    WriteBytes(elsewhere, "Begin VB.Form F\r\n   Caption = \"About\"\r\nEnd\r\n");
    EXPECT_EQ(Run({"--show-code-page", greek1, ascii, few, greek2, elsewhere}), 0);
    EXPECT_EQ(out.str(), greek1 + "\twindows-1253\town\n" + ascii + "\twindows-1253\tfolder\n" + few +
                             "\twindows-1253\tfolder\n" + greek2 + "\twindows-1253\town\n" + elsewhere +
                             "\twindows-1251\town\n");
    // Scaled with its folder, the form of ASCII alone gets the Greek script in its font.
    EXPECT_EQ(Run({"120", greek1, ascii}), 0);
    EXPECT_NE(ReadBytes(ascii).find("Charset         =   161\r\n"), std::string::npos);
}

TEST_F(ScaleCommandTest, codePage_readsEveryFileInIt) {
    WriteBytes(form, "Begin VB.Form Form1\r\n   Caption = \"\xD7\xE5\xF2\xE5\"\r\nEnd\r\n");
    EXPECT_EQ(Run({"--code-page", "windows-1252", "--stdout", "200", form}), 0);
    EXPECT_NE(out.str().find("Charset         =   0\r\n"), std::string::npos);  // the code page chosen
    EXPECT_NE(out.str().find("   Caption = \"\xD7\xE5\xF2\xE5\"\r\n"), std::string::npos);
    EXPECT_EQ(Run({"--code-page", "koi8-r", "120", form}), 2);
    EXPECT_EQ(err.str(), Printed(command_texts::UnknownCodePage("koi8-r")));
    EXPECT_EQ(Run({"--code-page"}), 2);
    EXPECT_EQ(Run({"--show-code-page"}), 2);
}

// A form that inherits the default font takes MS Sans Serif at 6.6 points at 80 %: its report
// says so on a line of its own. With --truetype the font is Microsoft Sans Serif, and nothing
// is said.
TEST_F(ScaleCommandTest, batch_bitmapSansSerifUnderEightPoints_isSaidAfterTheReportUnlessTrueType) {
    const std::string second = folder.Path("form2.frm");
    WriteBytes(form, kForm);
    WriteBytes(second, kForm);
    EXPECT_EQ(Run({"80", form}), 0);
    EXPECT_EQ(out.str(), Printed(MessageLines{messages::Saved(form), messages::OriginalKeptAs(folder.Path("form1.bak")),
                                              messages::BitmapSansSerifTooSmall()}));
    EXPECT_NE(ReadBytes(form).find("\"MS Sans Serif\"\r\n      Size            =   6.6\r\n"), std::string::npos);
    EXPECT_EQ(Run({"--truetype", "80", second}), 0);
    EXPECT_EQ(out.str(),
              Printed(MessageLines{messages::Saved(second), messages::OriginalKeptAs(folder.Path("form2.bak"))}));
    EXPECT_NE(ReadBytes(second).find("\"Microsoft Sans Serif\"\r\n      Size            =   6.6\r\n"),
              std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST_F(ScaleCommandTest, wrongCommandLine_exitsTwoWithUsage) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"120"}, {"--stdout", "120"}, {"--stdout", "120", "a", "b"}}) {
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_EQ(err.str(), Printed(command_texts::WrongCommandLine()) + command_texts::ScaleUsage());
        EXPECT_EQ(out.str(), "");
    }
    for (const char* help : {"--help", "-h"}) {
        EXPECT_EQ(Run({help}), 0);
        EXPECT_EQ(out.str(), command_texts::ScaleUsage());
        EXPECT_EQ(err.str(), "");
    }
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out.str(), command_texts::Version("tremaro-scale") + "\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(Run({"--version", "120"}), 2);  // an option of its own, not one of the scaling's
}

// A stream that takes every byte into its buffer and fails when it is flushed, as standard
// output does on a full disk or into a closed pipe.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    int sync() override { return -1; }
};

TEST_F(ScaleCommandTest, stdout_outputThatCannotBeWritten_isReportedAndExitsOne) {
    WriteBytes(form, kForm);
    RefusingBuffer refusing;
    std::ostream full(&refusing);
    EXPECT_EQ(RunScaleCommand({"--stdout", "120", form}, full, err), 1);
    EXPECT_EQ(err.str(), Printed(messages::CorrectionFinished()) + Printed(command_texts::OutputNotWritten()));
    EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
}

TEST_F(ScaleCommandTest, doubleDash_endsTheOptionsSoAFileMayLookLikeOne) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Root());
    WriteBytes("--stdout", kForm);
    WriteBytes("-x", kForm);
    EXPECT_EQ(Run({"--stdout", "--", "120", "--stdout"}), 0);
    EXPECT_NE(out.str().find("=   594\r\n"), std::string::npos);
    EXPECT_EQ(Run({"120", "--", "--stdout", "-x"}), 0);
    EXPECT_EQ(ReadBytes("-x.bak"), kForm);
    EXPECT_NE(ReadBytes("--stdout").find("=   594\r\n"), std::string::npos);
    fs::current_path(previous);
}

TEST_F(ScaleCommandTest, batch_savesEveryFileWithItsBackup) {
    const std::string second = folder.Path("form2.frm");
    WriteBytes(form, kForm);
    WriteBytes(second, kForm);
    EXPECT_EQ(Run({"120", form, second}), 0);
    EXPECT_EQ(out.str(),
              Printed(MessageLines{messages::Saved(form), messages::OriginalKeptAs(folder.Path("form1.bak"))}) +
                  Printed(MessageLines{messages::Saved(second), messages::OriginalKeptAs(folder.Path("form2.bak"))}));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(ReadBytes(folder.Path("form2.bak")), kForm);
    EXPECT_NE(ReadBytes(second).find("=   594\r\n"), std::string::npos);
}

TEST_F(ScaleCommandTest, batch_goesOnAfterAFailureAndExitsOne) {
    WriteBytes(form, kForm);
    const std::string missing = folder.Path("missing.frm");
    EXPECT_EQ(Run({"120", missing, form}), 1);
    EXPECT_EQ(err.str(), Printed(messages::CannotRead(missing)));
    EXPECT_EQ(out.str(),
              Printed(MessageLines{messages::Saved(form), messages::OriginalKeptAs(folder.Path("form1.bak"))}));
}

// calc2.frm and calc2.ctl of one project would share calc2.bak: each keeps its own, and a
// calc2.bak made before is left where it is.
TEST_F(ScaleCommandTest, batch_formsSharingABaseName_eachKeepsItsOwnBackup) {
    const std::string frm = folder.Path("calc2.frm");
    const std::string ctl = folder.Path("calc2.ctl");
    const std::string control = "VERSION 5.00\r\nBegin VB.UserControl calc2\r\n   ClientHeight    =   1000\r\nEnd\r\n";
    WriteBytes(frm, kForm);
    WriteBytes(ctl, control);
    WriteBytes(folder.Path("calc2.bak"), "made before\r\n");
    EXPECT_EQ(Run({"120", frm, ctl}), 0);
    EXPECT_EQ(out.str(), Printed(MessageLines{messages::Saved(frm), messages::OriginalKeptAs(frm + ".bak")}) +
                             Printed(MessageLines{messages::Saved(ctl), messages::OriginalKeptAs(ctl + ".bak")}));
    EXPECT_EQ(ReadBytes(frm + ".bak"), kForm);
    EXPECT_EQ(ReadBytes(ctl + ".bak"), control);
    EXPECT_EQ(ReadBytes(folder.Path("calc2.bak")), "made before\r\n");
    EXPECT_NE(ReadBytes(ctl).find("=   1200\r\n"), std::string::npos);
}

// Between the read and the save of the first form another program rewrites it, or (in a
// sticky folder, say) swaps in a link to another file: that form is refused with the
// question's text, nothing it leads to is written, and the next form is saved.
TEST_F(ScaleCommandTest, batch_formChangedAfterItWasRead_isRefusedAndTheOthersSaved) {
    const std::string second = folder.Path("form2.frm");
    const std::string other = folder.Path("other.txt");
    const std::pair<const char*, std::function<void()>> mischiefs[] = {
        {"rewritten", [&] { WriteBytes(form, "rewritten elsewhere\r\n"); }},
        {"a link swapped in",
         [&] {
             fs::remove(form);
             fs::create_symlink(other, form);
         }},
    };
    for (const auto& [mischief, make] : mischiefs) {
        SCOPED_TRACE(mischief);
        for (const auto& entry : fs::directory_iterator(folder.Root()))
            fs::remove(entry.path());
        WriteBytes(form, kForm);
        WriteBytes(second, kForm);
        WriteBytes(other, "not a form\r\n");
        const std::string before = mischief == std::string("rewritten") ? "rewritten elsewhere\r\n" : "not a form\r\n";
        int opens = 0;
        system::FileSystemSwitches switches;
        switches.beforeCall = [&, make = make](system::FileCall call) {
            // The batch looks at whether each file is a project and at both forms' code pages,
            // opens the folder to lock it, reads the first, and its save reads it again.
            if (call == system::FileCall::Open && ++opens == 7)
                make();
        };
        SwitchedFileSystem switched(switches);
        EXPECT_EQ(Run({"120", form, second}), 1);
        EXPECT_EQ(err.str(), Printed(messages::ChangedSinceRead(form)));
        EXPECT_EQ(out.str(),
                  Printed(MessageLines{messages::Saved(second), messages::OriginalKeptAs(folder.Path("form2.bak"))}));
        EXPECT_EQ(ReadBytes(form), before);
        EXPECT_EQ(ReadBytes(other), "not a form\r\n");
        EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
    }
}

// Another program rewrites the second of three forms after the batch has written its files
// and before it flushes them and puts them in place: once with a change the times show, and
// once on a clock of two seconds (FAT's, exFAT's) to the same length with its times put back,
// which only the bytes show. That form is refused and keeps the other program's bytes; its
// backup holds the form as read, and the report says so; the others are saved. The same for
// the forms named one by one and for a project of them, with hard links and without.
TEST_F(ScaleCommandTest, batch_formRewrittenBeforeTheFlush_isRefusedAndTheOthersSaved) {
    const std::vector<std::string> forms = {form, folder.Path("form2.frm"), folder.Path("form3.frm")};
    const std::string project = folder.Path("App.vbp");
    const std::string backup2 = folder.Path("form2.bak");
    std::string sameLength = kForm;
    sameLength.replace(sameLength.find("495"), 3, "496");
    for (const bool asProject : {false, true})
        for (const bool coarseClock : {false, true})
            for (const bool hardLinks : {false, true}) {
                SCOPED_TRACE(std::string(asProject ? "a project, " : "named one by one, ") +
                             (coarseClock ? "coarse clock, times put back" : "fine clock") +
                             (hardLinks ? ", hard links" : ", no hard links"));
                for (const auto& entry : fs::directory_iterator(folder.Root()))
                    fs::remove(entry.path());
                for (const std::string& path : forms)
                    WriteBytes(path, kForm);
                WriteBytes(project, "Type=Exe\r\nForm=form1.frm\r\nForm=form2.frm\r\nForm=form3.frm\r\n");
                const std::vector<std::string> arguments =
                    asProject ? std::vector<std::string>{"120", project}
                              : std::vector<std::string>{"120", forms[0], forms[1], forms[2]};
                const std::string rewritten = coarseClock ? sameLength : "rewritten elsewhere\r\n";
                bool changed = false;
                system::FileSystemSwitches switches;
                switches.coarseClock = coarseClock;
                switches.noHardLinks = !hardLinks;
                switches.beforeCall = [&](system::FileCall call) {
                    if (call != system::FileCall::Flush || changed)
                        return;
                    struct stat before {};
                    ::stat(forms[1].c_str(), &before);
                    std::ofstream(forms[1], std::ios::binary | std::ios::in | std::ios::out) << rewritten;
                    fs::resize_file(forms[1], rewritten.size());
                    if (coarseClock) {
                        const struct timespec times[2] = {before.st_atim, before.st_mtim};
                        ::utimensat(AT_FDCWD, forms[1].c_str(), times, 0);
                    }
                    changed = true;
                };
                {
                    SwitchedFileSystem switched(switches);
                    EXPECT_EQ(Run(arguments), 1);
                }
                EXPECT_TRUE(changed);
                EXPECT_EQ(ReadBytes(forms[1]), rewritten);
                // The backup is made after the flush: the form's own file is not linked once it
                // has changed, and the copy holds the form as read.
                EXPECT_EQ(err.str(), Printed(MessageLines{messages::ChangedAndNotSaved(forms[1]),
                                                          messages::VersionReadKeptAs(backup2)}) +
                                         (asProject ? Printed(command_texts::ProjectPartlySaved(project, 2, 3)) : ""));
                EXPECT_EQ(ReadBytes(backup2), kForm);
                EXPECT_EQ(out.str(), Printed(MessageLines{messages::Saved(forms[0]),
                                                          messages::OriginalKeptAs(folder.Path("form1.bak"))}) +
                                         Printed(MessageLines{messages::Saved(forms[2]),
                                                              messages::OriginalKeptAs(folder.Path("form3.bak"))}));
                for (const std::string& path : {forms[0], forms[2]})
                    EXPECT_NE(ReadBytes(path).find("=   594\r\n"), std::string::npos) << path;
            }
}

// A batch of three forms in two folders that fails part way says of each form whether it was
// saved: a rename that fails leaves that form (and no backup of it) as it was and the others
// saved; a flush of the file system that fails saves none, and leaves nothing beside them.
TEST_F(ScaleCommandTest, batch_failingPartWay_reportsEachFormSavedOrNot) {
    fs::create_directory(folder.Path("two"));
    const std::vector<std::string> forms = {form, folder.Path("form2.frm"), folder.Path("two/form3.frm")};
    const auto backupOf = [](const std::string& path) { return path.substr(0, path.size() - 3) + "bak"; };
    struct Failure {
        const char* name;
        system::FailingCall call;
        std::vector<bool> saved;
    };
    const Failure failures[] = {
        {"the second form's rename", {system::FileCall::Rename, 2}, {true, false, true}},
        {"the file system's flush", {system::FileCall::Flush, 1}, {false, false, false}},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        for (const std::string& path : forms) {
            for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
                if (entry.is_regular_file())
                    fs::remove(entry.path());
        }
        for (const std::string& path : forms)
            WriteBytes(path, kForm);
        system::FileSystemSwitches switches;
        switches.failing = {failure.call};
        std::string expectedOut;
        std::string expectedErr;
        {
            SwitchedFileSystem switched(switches);
            EXPECT_EQ(Run({"120", forms[0], forms[1], forms[2]}), 1);
            EXPECT_TRUE(system::FailingCallReached());
        }
        for (std::size_t i = 0; i < forms.size(); ++i) {
            SCOPED_TRACE(forms[i]);
            if (failure.saved[i]) {
                expectedOut +=
                    Printed(MessageLines{messages::Saved(forms[i]), messages::OriginalKeptAs(backupOf(forms[i]))});
                EXPECT_NE(ReadBytes(forms[i]).find("=   594\r\n"), std::string::npos);
                EXPECT_EQ(ReadBytes(backupOf(forms[i])), kForm);
            } else {
                expectedErr += Printed(MessageLines{messages::NotSaved(forms[i]), messages::OriginalUnchanged()});
                EXPECT_EQ(ReadBytes(forms[i]), kForm);
                EXPECT_FALSE(fs::exists(backupOf(forms[i])));
            }
        }
        EXPECT_EQ(out.str(), expectedOut);
        EXPECT_EQ(err.str(), expectedErr);
        for (const auto& inside : {folder.Root(), fs::path(folder.Path("two"))})
            for (const auto& entry : fs::directory_iterator(inside))
                EXPECT_FALSE(entry.path().filename().string().starts_with(".tremaro-")) << entry.path() << " left";
    }
}

TEST_F(ScaleCommandTest, batch_refusedPercent_touchesNoFile) {
    WriteBytes(form, kForm);
    EXPECT_EQ(Run({"-120", form}), 2);
    EXPECT_EQ(ReadBytes(form), kForm);
    EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
}

TEST_F(ScaleCommandTest, batch_failedSaveReport_goesToStandardError) {
    WriteBytes(form, kForm);
    fs::create_directory(folder.Path("form1.bak"));
    EXPECT_EQ(Run({"120", form}), 1);
    EXPECT_EQ(err.str(), Printed(messages::BackupRefused(form, folder.Path("form1.bak"))));
    EXPECT_EQ(ReadBytes(form), kForm);
}

// A project of five forms in two folders, its form 3 listed in another case of letters.
class ProjectCommandTest : public ScaleCommandTest {
protected:
    ProjectCommandTest() {
        fs::create_directory(folder.Path("Dialogs"));
        for (int i = 1; i <= 5; ++i)
            WriteBytes(Form(i), kForm);
        WriteBytes(project,
                   "Type=Exe\r\nForm=f1.frm\r\nForm=f2.frm\r\nForm=DIALOGS\\F3.FRM\r\nModule=m; m.bas\r\n"
                   "Form=Dialogs\\f4.frm\r\nUserControl=f5.frm\r\nDesigner=Data.Dsr\r\n");
    }
    std::string Form(int i) const {
        return folder.Path(i == 3 || i == 4 ? "Dialogs/f" : "f") + std::to_string(i) + ".frm";
    }
    bool IsCorrected(int i) const { return ReadBytes(Form(i)).find("=   594\r\n") != std::string::npos; }

    const std::string project = folder.Path("App.vbp");
};

TEST_F(ProjectCommandTest, aValueThatWouldNotFitInOneForm_savesNoFormOfTheProject) {
    WriteBytes(Form(3), "Begin VB.Form Form1\r\nTop  =2000000000\r\nEnd\r\n");
    EXPECT_EQ(Run({"200", project}), 1);
    EXPECT_EQ(out.str(), Printed(command_texts::DesignerNotScaled(folder.Path("Data.Dsr"))));
    EXPECT_EQ(err.str(), Printed(command_texts::InForm(Form(3), TextOf(messages::ValueOutOfRange(2)))) +
                             Printed(command_texts::ProjectNotSaved(project)));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(fs::exists(folder.Path("f" + std::to_string(i) + ".bak")));
        EXPECT_FALSE(IsCorrected(i)) << i;
    }

    WriteBytes(Form(3), kForm);
    EXPECT_EQ(Run({"120", project}), 0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(IsCorrected(i)) << i;
    EXPECT_EQ(ReadBytes(folder.Path("Dialogs/f3.bak")), kForm);
}

// The project's forms decide its code page together, though they lie in two folders.
TEST_F(ProjectCommandTest, aFormThatSaysLittle_takesTheCodePageOfItsProject) {
    const std::string greekFonts = "   BeginProperty Font\r\n      Charset = 161\r\n   EndProperty\r\n";
    WriteBytes(Form(1),
               "Begin VB.Form F\r\n   Caption = \"\xCF\xE5\xEB\xDC\xF4\xE5\xF2\"\r\n" + greekFonts + "End\r\n");
    WriteBytes(Form(2), "Begin VB.Form F\r\n   Caption = \"\xD0\xE1\xF1\xE1\xE3\xE3\xE5\xEB\xDF\xE5\xF2\"\r\n" +
                            greekFonts + "End\r\n");
    WriteBytes(Form(3), "Begin VB.Form F\r\n   Caption = \"About\"\r\nEnd\r\n");
    EXPECT_EQ(Run({"--show-code-page", project}), 0);
    EXPECT_NE(out.str().find(Form(3) + "\twindows-1253\tfolder\n"), std::string::npos) << out.str();
    EXPECT_EQ(Run({"--show-code-page", Form(3)}), 0);
    EXPECT_EQ(out.str().find("windows-1253"), std::string::npos) << out.str();
}

// The disk fails at each write of the save in turn: every form is whole, either as it was or
// corrected, and the report counts the corrected ones.
TEST_F(ProjectCommandTest, aSaveThatFailsPartWay_leavesEveryFormWholeAndCountsTheSavedOnes) {
    for (int failing = 1; failing <= 5; ++failing) {
        SCOPED_TRACE(failing);
        for (int i = 1; i <= 5; ++i)
            WriteBytes(Form(i), kForm);
        for (const char* backup : {"f1.bak", "f2.bak", "Dialogs/f3.bak", "Dialogs/f4.bak", "f5.bak"})
            fs::remove(folder.Path(backup));
        int result = 0;
        {
            system::FileSystemSwitches switches;
            switches.failing = {{system::FileCall::Write, failing}};
            SwitchedFileSystem switched(switches);
            result = Run({"120", project});
        }
        int corrected = 0;
        for (int i = 1; i <= 5; ++i) {
            EXPECT_TRUE(IsCorrected(i) || ReadBytes(Form(i)) == kForm) << i;
            corrected += IsCorrected(i) ? 1 : 0;
        }
        if (corrected == 5) {
            EXPECT_EQ(result, 0);
            continue;
        }
        EXPECT_EQ(result, 1);
        EXPECT_NE(err.str().find(Printed(command_texts::ProjectPartlySaved(project, corrected, 5))), std::string::npos)
            << err.str();
    }
}

}  // namespace
}  // namespace tremaro
