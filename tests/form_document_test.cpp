#include "core/form_document.h"
#include "core/messages.h"

#include "cli/console_port.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class FormDocumentTest : public ::testing::Test {
protected:
    std::string LastMessage() const { return port.Messages().empty() ? "" : port.Messages().back().text; }

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
    EXPECT_EQ(LastMessage(), messages::kCorrectionFinished);

    port.SetViewText(port.ViewText() + u"' edited\r\n");  // the operator's edit is saved too
    ASSERT_EQ(form.Save(), SaveOutcome::BackedUpAndWritten);
    EXPECT_EQ(ReadBytes(path), "Begin VB.Form Form1\r\n   Height          =   594\r\nEnd\r\n' edited\r\n");
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
    EXPECT_EQ(port.Messages()[port.Messages().size() - 2].text, messages::ChangedSinceRead(path));
    EXPECT_EQ(LastMessage(), messages::Saved(path) + messages::OriginalKeptAs(backup + "1"));
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
    EXPECT_EQ(LastMessage(), messages::TooLong(longPath));
    for (const std::string& unreadable : {missing, aFolder}) {
        EXPECT_EQ(form.Read(unreadable), FormLines::LoadStatus::CannotRead);
        EXPECT_EQ(LastMessage(), messages::CannotRead(unreadable));
    }
    EXPECT_EQ(form.FileName(), path);
    EXPECT_EQ(form.Lines().AssembleText(), u"kept\r\n");
    EXPECT_EQ(port.Titles().size(), 1u);
    EXPECT_EQ(port.ViewText(), u"kept\r\n");
}

}  // namespace
}  // namespace tremaro
