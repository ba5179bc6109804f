#include "core/form_document.h"
#include "core/messages.h"

#include "core/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class FormDocumentTest : public ::testing::Test {
protected:
    MessageLines LastMessage() const { return port.LastMessage(); }

    TempFolder folder;
    ConsolePort port;
    FormDocument form{port};
    const std::string path = folder.Path("form1.frm");
    static constexpr const char* kForm = "Begin VB.Form Form1\r\n   Height          =   495\r\nEnd\r\n";
};

TEST_F(FormDocumentTest, readCorrectSave_tellsTheWholeStoryThroughThePort) {
    WriteBytes(path, kForm);
    ASSERT_EQ(form.Read(path), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(port.ViewText(), u"Begin VB.Form Form1\r\n   Height          =   495\r\nEnd\r\n");
    EXPECT_EQ(port.Titles(), std::vector<std::string>{"Tremaro: " + path});
    EXPECT_TRUE(port.Messages().empty());

    ASSERT_EQ(form.Correct(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(LastMessage(), MessageLines{messages::CorrectionFinished()});

    port.SetViewText(port.ViewText() + u"' edited\r\n");  // the operator's edit is saved too
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    // The form had no font of its own: the one it inherits now grows with it.
    EXPECT_EQ(
        ReadBytes(path),
        "Begin VB.Form Form1\r\n"
        "   BeginProperty Font \r\n      Name            =   \"MS Sans Serif\"\r\n      Size            =   9.9\r\n"
        "      Charset         =   1\r\n      Weight          =   400\r\n      Underline       =   0   'False\r\n"
        "      Italic          =   0   'False\r\n      Strikethrough   =   0   'False\r\n   EndProperty\r\n"
        "   Height          =   594\r\nEnd\r\n' edited\r\n");
    EXPECT_EQ(ReadBytes(folder.Path("form1.bak")), kForm);
}

// The form as the first save wrote it is what the next save checks: saved again unchanged it
// is not asked about; changed by another program meanwhile, the change goes beside the first
// backup, which still holds the form from before the first save.
TEST_F(FormDocumentTest, saveAfterSave_asksOnlyAboutAChangeAndKeepsItBesideTheFirstBackup) {
    WriteBytes(path, kForm);
    ASSERT_EQ(form.Read(path), FormLines::LoadStatus::Loaded);
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    const std::string backup = folder.Path("form1.bak");

    port.SetViewText(u"second\r\n");
    const std::size_t shownBefore = port.Messages().size();
    EXPECT_EQ(form.Save(), SaveOutcome::BackupKeptAndWritten);
    EXPECT_EQ(port.Messages().size(), shownBefore + 2) << "more than the question and the report";

    WriteBytes(path, "changed elsewhere\r\n");
    port.SetViewText(u"third\r\n");
    EXPECT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_EQ(port.Messages()[port.Messages().size() - 2].lines, MessageLines{messages::ChangedSinceRead(path)});
    EXPECT_EQ(LastMessage(), (MessageLines{messages::Saved(path), messages::OtherProgramsChangeKeptIn(backup + "1")}));
    EXPECT_EQ(ReadBytes(backup), kForm);
    EXPECT_EQ(ReadBytes(backup + "1"), "changed elsewhere\r\n");
    EXPECT_EQ(ReadBytes(path), "third\r\n");
}

TEST_F(FormDocumentTest, failedRead_saysWhyAndKeepsTheEarlierForm) {
    WriteBytes(path, "kept\r\n");
    ASSERT_EQ(form.Read(path), FormLines::LoadStatus::Loaded);
    std::string tooLong;
    for (int i = 0; i < 32767; ++i)
        tooLong += "x\n";
    const std::string longPath = folder.Path("long.frm");
    WriteBytes(longPath, tooLong);
    const std::string missing = folder.Path("missing.frm");
    const std::string aFolder = folder.Root().string();

    EXPECT_EQ(form.Read(longPath), FormLines::LoadStatus::TooLong);
    EXPECT_EQ(LastMessage(), MessageLines{messages::TooLong(longPath)});
    for (const std::string& unreadable : {missing, aFolder}) {
        EXPECT_EQ(form.Read(unreadable), FormLines::LoadStatus::CannotRead);
        EXPECT_EQ(LastMessage(), MessageLines{messages::CannotRead(unreadable)});
    }
    EXPECT_EQ(form.FileName(), path);
    EXPECT_EQ(form.Lines().AssembleText(), u"kept\r\n");
    EXPECT_EQ(port.Titles().size(), 1u);
    EXPECT_EQ(port.ViewText(), u"kept\r\n");
}

// The form the corrections below work on has a font of its own, so that a correction adds no
// font group and the view's lines are the edited ones, scaled.
constexpr const char* kFormWithFont =
    "Begin VB.Form Form1\r\n   BeginProperty Font \r\n      Size            =   8.25\r\n   EndProperty\r\n"
    "   Height          =   495\r\nEnd\r\n";

TEST_F(FormDocumentTest, correct_worksOnTheViewAsTheOperatorLeftIt_inTheFormsCodePage) {
    WriteBytes(path, kFormWithFont);
    ASSERT_EQ(form.Read(path, ChosenByHand(CodePage::Windows1252)), FormLines::LoadStatus::Loaded);
    port.EditViewText(
        u"Begin VB.Form Form1\r\n   BeginProperty Font \r\n      Size            =   8.25\r\n   EndProperty\r\n"
        u"   Caption         =   \"Sección\"\r\n   Height          =   1000\r\nEnd\r\n");

    ASSERT_EQ(form.Correct(u"120"), CorrectionOutcome::Corrected);
    EXPECT_EQ(port.ViewText(),
              u"Begin VB.Form Form1\r\n   BeginProperty Font \r\n      Size            =   9.9\r\n   EndProperty\r\n"
              u"   Caption         =   \"Sección\"\r\n   Height          =   1200\r\nEnd\r\n");
    EXPECT_EQ(form.TextCodePage(), CodePage::Windows1252);
    // The caption's "ó" is a character of Windows-1252, and the save writes it as that.
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_EQ(ReadBytes(path),
              "Begin VB.Form Form1\r\n   BeginProperty Font \r\n      Size            =   9.9\r\n   EndProperty\r\n"
              "   Caption         =   \"Secci\xF3n\"\r\n   Height          =   1200\r\nEnd\r\n");
}

TEST_F(FormDocumentTest, correct_refused_leavesTheEditedViewAsItWas) {
    WriteBytes(path, kFormWithFont);
    ASSERT_EQ(form.Read(path), FormLines::LoadStatus::Loaded);
    std::u16string tooManyLines;
    for (int i = 0; i < 32767; ++i)
        tooManyLines += u"x\r\n";
    const std::u16string outOfRange = u"Begin VB.Form Form1\r\n   Height          =   99999999999\r\nEnd\r\n";
    const struct {
        std::u16string view;
        std::u16string percent;
        CorrectionOutcome outcome;
        MessageLines message;
    } refusals[] = {
        {tooManyLines, u"120", CorrectionOutcome::TooLong, MessageLines{messages::TooLong(path)}},
        {tooManyLines, u"10", CorrectionOutcome::PercentRefused, MessageLines{messages::PercentRefused()}},
        {outOfRange, u"120", CorrectionOutcome::ValueOutOfRange, MessageLines{messages::ValueOutOfRange(2)}},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(TextOf(refusal.message));
        port.EditViewText(refusal.view);
        EXPECT_EQ(form.Correct(refusal.percent), refusal.outcome);
        EXPECT_EQ(LastMessage(), refusal.message);
        EXPECT_EQ(port.ViewText(), refusal.view);
    }
    // A view too long to take leaves the lines as they were, too.
    port.EditViewText(tooManyLines);
    ASSERT_EQ(form.Correct(u"120"), CorrectionOutcome::TooLong);
    EXPECT_EQ(form.Lines().AssembleText(), outOfRange);
}

TEST_F(FormDocumentTest, unsavedWork_isAskedAboutExactlyWhenTheViewDiffersFromTheFile) {
    const auto asked = [this](PressedButton answer) {
        const std::size_t before = port.Messages().size();
        port.AnswerNextQuestion(answer);
        const bool mayDrop = form.MayDropUnsavedWork();
        return port.Messages().size() == before + 1 && LastMessage() == MessageLines{messages::DropUnsavedWork()} &&
               port.Messages().back().buttons == MessageButtons::OkCancelDefaultCancel &&
               mayDrop == (answer == PressedButton::Ok);
    };
    const auto notAsked = [this] {
        const std::size_t before = port.Messages().size();
        return form.MayDropUnsavedWork() && port.Messages().size() == before && !form.HasUnsavedWork();
    };

    port.EditViewText(u"typed before any read\r\n");
    EXPECT_TRUE(notAsked());  // with no form there is nothing it could be saved to

    // Lines broken with LF and a last line without a break: the view shows them with CR LF.
    WriteBytes(path, "Begin VB.Form Form1\n   Height          =   495\nEnd");
    ASSERT_EQ(form.Read(path), FormLines::LoadStatus::Loaded);
    EXPECT_TRUE(notAsked());
    port.EditViewText(port.ViewText() + u"' typed\r\n");
    EXPECT_TRUE(asked(PressedButton::Cancel));
    EXPECT_TRUE(asked(PressedButton::Ok));
    port.EditViewText(u"Begin VB.Form Form1\r\n   Height          =   495\r\nEnd\r\n");  // typed back
    EXPECT_TRUE(notAsked());

    ASSERT_EQ(form.Correct(u"100"), CorrectionOutcome::Corrected);
    EXPECT_TRUE(notAsked());
    ASSERT_EQ(form.Correct(u"120"), CorrectionOutcome::Corrected);
    EXPECT_TRUE(asked(PressedButton::Cancel));
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_TRUE(notAsked());
    port.EditViewText(port.ViewText() + u"' typed after the save\r\n");
    EXPECT_TRUE(asked(PressedButton::Cancel));
}

TEST_F(FormDocumentTest, readAgainIn_readsTheFileAsLastReadOrSaved) {
    WriteBytes(path, "Caption = \"Secci\xF3n\"\r\n");
    ASSERT_EQ(form.Read(path, ChosenByHand(CodePage::Windows1251)), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(port.ViewText(), u"Caption = \"Secciуn\"\r\n");
    port.EditViewText(u"Caption = \"Secciуn\"\r\nLeft = 1\r\n");
    ASSERT_EQ(form.ReadAgainIn(CodePage::Windows1252), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(port.ViewText(), u"Caption = \"Sección\"\r\n");
    EXPECT_EQ(form.TextCodePage(), CodePage::Windows1252);
    EXPECT_FALSE(form.HasUnsavedWork());

    port.EditViewText(u"Caption = \"Sección\"\r\nLeft = 1\r\n");
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    ASSERT_EQ(form.ReadAgainIn(CodePage::Windows1251), FormLines::LoadStatus::Loaded);
    EXPECT_EQ(port.ViewText(), u"Caption = \"Secciуn\"\r\nLeft = 1\r\n");
    EXPECT_FALSE(form.HasUnsavedWork());
}

}  // namespace
}  // namespace tremaro
