#include "ui/convert_form.h"
#include "core/messages.h"
#include "picture/captions.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"
#include "ui/remembered_true_type_fonts.h"

#include "test_support.h"
#include "window_waits.h"
#include "qstring_printer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace tremaro {
namespace {

namespace fs = std::filesystem;
using testing::FocusComesTo;
using testing::FocusedName;
using testing::kPatienceMs;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kForm =
    "VERSION 5.00\r\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\r\n"
    "   BeginProperty Font\r\n      Size            =   8.25\r\n   EndProperty\r\nEnd\r\n";

// Types text the way a keyboard would, one key press a character, Cyrillic included; a line
// break is the Enter key.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Answers the next modal dialog from outside its event loop: waits for it to open, lets look
// read (and perhaps answer) it, and then closes it if it is still open, so that a check that
// fails can never leave the test waiting on a dialog. look only records; the test checks after.
void AnswerNextModal(std::function<void(QWidget*)> look) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, look = std::move(look)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        const QPointer<QWidget> guard(modal);
        look(modal);
        if (guard && guard->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    poll->start();
}

// While it lives, presses key in each real message box that opens, as the operator does once
// the box has the keyboard (which the window manager gives it in its own time), and records the
// boxes' texts. A box the key did not close is closed with Esc's answer, so that a failing
// check never leaves the test waiting on it.
class KeyInMessageBoxes {
public:
    explicit KeyInMessageBoxes(Qt::Key key) {
        QObject::connect(&poll_, &QTimer::timeout, [this, key] { PressIn(key); });
        poll_.start(5);
    }

    QStringList texts;
    bool everyBoxClosedByTheKey = true;

private:
    void PressIn(Qt::Key key) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answering_)
            return;
        answering_ = box;
        texts.append(box->text());
        const auto focusInBox = [box] {
            const QWidget* focused = QApplication::focusWidget();
            return focused && focused->window() == box;
        };
        if (QTest::qWaitFor(focusInBox, kPatienceMs))
            QTest::keyClick(QApplication::focusWidget(), key);
        if (answering_ && answering_->isVisible()) {
            everyBoxClosedByTheKey = false;
            answering_->reject();
        }
    }

    QTimer poll_;
    QPointer<QMessageBox> answering_;
};

class ConvertFormTest : public ::testing::Test {
protected:
    ConvertFormTest() {
        WriteBytes(formPath, kForm);
        EXPECT_TRUE(testing::ShowActive(form));
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = form.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    QString ViewPlainText() { return Find<QPlainTextEdit>("Text")->toPlainText(); }
    QString LastMessage() const {
        const auto& shown = const_cast<ConvertForm&>(form).Messages().Shown();
        return shown.empty() ? QString() : shown.back().text;
    }
    void Read(const std::string& path) {
        form.Chooser().SetNextAnswer(QString::fromStdString(path));
        Click("cmdRead");
    }
    // The messages shown from now on, for counting the questions an action asks.
    std::size_t MessagesSoFar() const { return const_cast<ConvertForm&>(form).Messages().Shown().size(); }
    void TypeAtEndOfLine(int line, const QString& text) {
        auto* view = Find<QPlainTextEdit>("Text");
        QTextCursor cursor(view->document()->findBlockByNumber(line - 1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        view->setTextCursor(cursor);
        Type(view, text);
    }

    // Opens the view's context menu as a right click would. The menu runs its own event loop
    // inside the click; pick, called from that loop once the menu is open, only reads it and
    // returns the action to choose, which is triggered after the menu is closed, so that a
    // missing item fails the test instead of leaving the menu open.
    void UseViewMenu(const std::function<QAction*(QMenu*)>& pick, ConvertForm* window = nullptr) {
        QAction* chosen = nullptr;
        QTimer picker;
        QObject::connect(&picker, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            picker.stop();
            chosen = pick(menu);
            menu->close();
            if (chosen)
                chosen->trigger();
        });
        picker.start(10);
        auto* view = window ? window->findChild<QPlainTextEdit*>(QStringLiteral("Text")) : Find<QPlainTextEdit>("Text");
        ASSERT_NE(view, nullptr);
        auto* viewport = view->viewport();
        const QPoint inside(20, 20);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, viewport->mapToGlobal(inside));
        QApplication::sendEvent(viewport, &click);
    }

    void Correct(const QString& percent) {
        Find<QLineEdit>("Text1")->clear();
        QTest::keyClicks(Find<QLineEdit>("Text1"), percent);
        form.Messages().SetNextAnswer(PressedButton::Ok);
        Click("cmdStart");
    }

    TempFolder folder;
    const std::string formPath = folder.Path("form1.frm");
    HelpLauncher help;
    ConvertForm form{help};
};

TEST_F(ConvertFormTest, start_showsAnEmptyWindowWithTheFocusOnRead) {
    EXPECT_EQ(form.windowTitle(), captions::ProgramName());
    EXPECT_TRUE(Find<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_TRUE(ViewPlainText().isEmpty());
    EXPECT_EQ(form.Lines().LineCount(), 0);
    EXPECT_TRUE(form.FormFileName().empty());
    EXPECT_TRUE(FocusComesTo(Find<QPushButton>("cmdRead"))) << FocusedName();
}

TEST_F(ConvertFormTest, layout_followsTheDesignInPixels) {
    EXPECT_EQ(form.size(), QSize(647, 483));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(224, 224, 224));
    const struct {
        const char* name;
        QRect geometry;
    } expected[] = {
        {"cmdRead", {268, 5, 73, 22}},  {"cmdStart", {342, 5, 73, 22}}, {"cmdSave", {416, 5, 73, 22}},
        {"cmdHelp", {490, 5, 73, 22}},  {"cmdExit", {564, 5, 73, 22}},  {"Label1", {11, 6, 184, 16}},
        {"Text1", {196, 5, 47, 20}},    {"Label2", {246, 7, 13, 16}},   {"Text", {10, 30, 627, 439}},
        {"Label3", {12, 469, 104, 13}},
    };
    for (const auto& control : expected)
        EXPECT_EQ(Find<QWidget>(control.name)->geometry(), control.geometry) << control.name;

    EXPECT_EQ(Find<QPushButton>("cmdRead")->text(), captions::ReadButton());
    EXPECT_EQ(Find<QPushButton>("cmdStart")->text(), captions::StartButton());
    EXPECT_EQ(Find<QPushButton>("cmdSave")->text(), captions::SaveButton());
    EXPECT_EQ(Find<QPushButton>("cmdHelp")->text(), captions::HelpButton());
    EXPECT_EQ(Find<QPushButton>("cmdExit")->text(), captions::ExitButton());
    EXPECT_EQ(Find<QLabel>("Label1")->text(), captions::PercentLabel());
    EXPECT_EQ(Find<QLabel>("Label2")->text(), captions::PercentSign());
    EXPECT_EQ(Find<QLabel>("Label3")->text(), captions::MakerAddress());
    EXPECT_FALSE(Find<QLabel>("Label1")->autoFillBackground());
    for (const char* button : {"cmdRead", "cmdStart", "cmdSave", "cmdHelp", "cmdExit"}) {
        EXPECT_FALSE(Find<QPushButton>(button)->isDefault()) << button;
        EXPECT_FALSE(Find<QPushButton>(button)->autoDefault()) << button;
    }
}

TEST_F(ConvertFormTest, layout_fontsAndColours) {
    const QFont windowFont = Find<QPushButton>("cmdRead")->font();
    EXPECT_EQ(windowFont.families().value(0), QStringLiteral("Microsoft Sans Serif"));
    EXPECT_DOUBLE_EQ(windowFont.pointSizeF(), 9.75);
    EXPECT_TRUE(windowFont.bold());
    EXPECT_DOUBLE_EQ(Find<QLineEdit>("Text1")->font().pointSizeF(), 9.0);
    const QFont viewFont = Find<QPlainTextEdit>("Text")->font();
    EXPECT_EQ(viewFont.families().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(viewFont.pointSizeF(), 9.75);
    EXPECT_FALSE(viewFont.bold());
    EXPECT_EQ(Find<QPlainTextEdit>("Text")->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(Find<QPlainTextEdit>("Text")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Find<QLabel>("Label3")->font().families().value(0), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(Find<QLabel>("Label3")->font().pointSizeF(), 8.25);
    EXPECT_EQ(Find<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(ConvertFormTest, tabOrder_visitsTheControlsAsDesigned) {
    QWidget* widget = Find<QWidget>("cmdRead");
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() || widget->parent() != &form);
    }
    EXPECT_EQ(order, QStringList({"cmdRead", "cmdStart", "cmdSave", "cmdExit", "Text1", "Text", "cmdHelp"}));
}

TEST_F(ConvertFormTest, keyboard_tabLeavesTheViewBothWaysAndTypesNothing) {
    Read(formPath);
    auto* view = Find<QPlainTextEdit>("Text");
    const QString before = view->toPlainText();
    view->setFocus();
    ASSERT_TRUE(FocusComesTo(view)) << FocusedName();
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_TRUE(FocusComesTo(Find<QPushButton>("cmdHelp"))) << FocusedName();
    QTest::keyClick(Find<QPushButton>("cmdHelp"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(FocusComesTo(view)) << FocusedName();
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(FocusComesTo(Find<QLineEdit>("Text1"))) << FocusedName();
    for (const Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier}) {
        view->setFocus();
        ASSERT_TRUE(FocusComesTo(view)) << FocusedName();
        QTest::keyClick(view, Qt::Key_Tab, held);
        EXPECT_TRUE(FocusComesTo(Find<QPushButton>("cmdHelp"))) << held << " " << FocusedName();
    }
    EXPECT_EQ(view->toPlainText(), before);
}

TEST_F(ConvertFormTest, keyboard_enterInThePercentBox_pressesNoButton) {
    // Answers for whatever a default button would bring up on each of the two presses, so
    // that a fault fails the test instead of leaving a dialog open.
    for (int i = 0; i < 2; ++i) {
        form.Chooser().SetNextAnswer(std::nullopt);
        form.Messages().SetNextAnswer(PressedButton::Cancel);
    }
    auto* percent = Find<QLineEdit>("Text1");
    percent->setFocus();
    QTest::keyClicks(percent, QStringLiteral("120"));
    QTest::keyClick(percent, Qt::Key_Return);
    QTest::keyClick(percent, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(form.Messages().Shown().empty());
    EXPECT_EQ(help.Window(), nullptr);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(percent->text(), QStringLiteral("120"));
}

TEST_F(ConvertFormTest, keyboard_enterOnEachButton_doesWhatAClickDoes) {
    const auto press = [this](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        auto* button = Find<QPushButton>(name);
        button->setFocus();
        QTest::keyClick(button, key, modifiers);
    };
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string path;
    } enterKeys[] = {{Qt::Key_Return, Qt::NoModifier, formPath},
                     {Qt::Key_Enter, Qt::KeypadModifier, folder.Path("form2.frm")}};
    for (const auto& [key, modifiers, path] : enterKeys) {
        SCOPED_TRACE(key);
        WriteBytes(path, kForm);
        form.show();
        form.Chooser().SetNextAnswer(QString::fromStdString(path));
        if (path != formPath)
            form.Messages().SetNextAnswer(PressedButton::Ok);  // dropping the unsaved correction of the round before
        press("cmdRead", key, modifiers);
        EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + path));
        Find<QLineEdit>("Text1")->setText(QStringLiteral("120"));
        form.Messages().SetNextAnswer(PressedButton::Ok);
        press("cmdStart", key, modifiers);
        EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CorrectionFinished())));
        EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("=   3834\n")));
        form.Messages().SetNextAnswer(PressedButton::Cancel);
        press("cmdSave", key, modifiers);
        EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::ConfirmSave(path))));
        press("cmdHelp", key, modifiers);
        ASSERT_NE(help.Window(), nullptr);
        EXPECT_TRUE(help.Window()->isVisible());
        help.Window()->close();
        ASSERT_TRUE(QTest::qWaitFor([&] { return help.Window() == nullptr; }, kPatienceMs));
        form.Messages().SetNextAnswer(PressedButton::Ok);  // leaving the correction unsaved
        press("cmdExit", key, modifiers);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(ConvertFormTest, read_showsTheFormAndNamesItInTheTitle) {
    Read(formPath);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
    EXPECT_TRUE(ViewPlainText().startsWith(QStringLiteral("VERSION 5.00\nBegin VB.Form Form1\n")));
    EXPECT_EQ(form.Lines().LineCount(), 7);
    EXPECT_EQ(form.FormFileName(), formPath);
    EXPECT_TRUE(form.Messages().Shown().empty());
}

TEST_F(ConvertFormTest, read_sameFileTwice_showsTheSame) {
    Read(formPath);
    const QString firstView = ViewPlainText();
    const QString firstTitle = form.windowTitle();
    Read(formPath);
    EXPECT_EQ(ViewPlainText(), firstView);
    EXPECT_EQ(form.windowTitle(), firstTitle);
}

// A form longer than the view shows must not change the view's width: the view would lay
// every line out again, which is most of the time a large form takes to show.
TEST_F(ConvertFormTest, read_aFormLongerThanTheView_keepsTheViewsWidthAndShowsEveryLine) {
    std::string longForm = kForm;
    for (int i = 0; i < 3000; ++i)
        longForm += "Private Sub X" + std::to_string(i) + "()\r\n";
    const std::string longPath = folder.Path("long.frm");
    WriteBytes(longPath, longForm);
    auto* view = Find<QPlainTextEdit>("Text");
    Read(formPath);
    const int width = view->viewport()->width();
    Read(longPath);
    QApplication::processEvents();  // the scroll bars follow the document's new size
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    EXPECT_EQ(view->viewport()->width(), width);
    EXPECT_EQ(view->blockCount(), 3007 + 1);  // the text ends with a line break
    EXPECT_EQ(form.ViewText(), QString::fromStdString(longForm).toStdU16String());
}

// A long form shows its first lines at once and the rest follows from the event loop; the
// operator never works on half of it, and the filled view is as a form read in one piece.
TEST_F(ConvertFormTest, read_aVeryLongForm_isShownFirstAndWholeBeforeTheOperatorTouchesIt) {
    std::string longForm = kForm;
    for (int i = 0; i < 20000; ++i)
        longForm += "Private Sub X" + std::to_string(i) + "()\r\n";
    const std::u16string longText = QString::fromStdString(longForm).toStdU16String();
    const int blocks = 20007 + 1;  // the text ends with a line break
    const std::string longPath = folder.Path("long.frm");
    WriteBytes(longPath, longForm);
    auto* view = Find<QPlainTextEdit>("Text");
    int changes = 0;  // what the preview takes for typing, to draw the form again
    const QObject counting;
    QObject::connect(view, &QPlainTextEdit::textChanged, &counting, [&changes] { ++changes; });

    Read(longPath);
    ASSERT_LT(view->blockCount(), blocks);  // the first lines, not yet the rest
    // A key pressed now acts on the whole text: Ctrl+End goes to its very end.
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(view, QStringLiteral("Z"));
    EXPECT_EQ(view->blockCount(), blocks);
    EXPECT_TRUE(form.ViewText() == longText + u"Z");  // not printed whole where it fails

    form.Messages().SetNextAnswer(PressedButton::Ok);  // drop the typed Z
    changes = 0;
    Read(longPath);
    QTRY_COMPARE_WITH_TIMEOUT(view->blockCount(), blocks, kPatienceMs);
    // The program's text is not typing, whole or in parts; closing would not ask; and there
    // is nothing to undo, so no part goes.
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(form.ViewTextEdited());
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form.ViewText() == longText);
}

TEST_F(ConvertFormTest, buttons_keepWorkingWhileHelpIsOpen) {
    Click("cmdHelp");
    ASSERT_NE(help.Window(), nullptr);
    Read(formPath);
    Correct(QStringLiteral("150"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CorrectionFinished())));
    EXPECT_TRUE(help.Window() && help.Window()->isVisible());
    help.Window()->close();
}

TEST_F(ConvertFormTest, read_cancel_changesNothingAndSaysNothing) {
    Read(formPath);
    form.Chooser().SetNextAnswer(std::nullopt);
    Click("cmdRead");
    EXPECT_EQ(form.FormFileName(), formPath);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
    EXPECT_TRUE(form.Messages().Shown().empty());
}

TEST_F(ConvertFormTest, read_failingAfterAGoodRead_keepsTheEarlierForm) {
    Read(formPath);
    const QString shownBefore = ViewPlainText();
    const std::string missing = folder.Path("missing.frm");
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Read(missing);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CannotRead(missing))));
    EXPECT_EQ(form.FormFileName(), formPath);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
    EXPECT_EQ(ViewPlainText(), shownBefore);
    EXPECT_EQ(form.Lines().LineCount(), 7);
}

TEST_F(ConvertFormTest, read_tooLongFile_saysWhyAndKeepsTheEarlierForm) {
    Read(formPath);
    const std::string tooLong = folder.Path("long.frm");
    WriteBytes(tooLong, std::string(32767 * 2, '\n').substr(0, 32767 * 2));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Read(tooLong);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::TooLong(tooLong))));
    EXPECT_EQ(form.FormFileName(), formPath);
}

TEST_F(ConvertFormTest, start_correctsWithThePercentBoxsText) {
    Read(formPath);
    Correct(QStringLiteral("120%"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CorrectionFinished())));
    EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("   ClientHeight    =   3834\n")));
    EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("      Size            =   9.9\n")));
}

TEST_F(ConvertFormTest, start_refusedPercentOrNoForm_saysSo) {
    Correct(QStringLiteral("120"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::NoForm())));
    Read(formPath);
    Correct(QStringLiteral("19.99"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::PercentRefused())));
    EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("=   3195")));
}

TEST_F(ConvertFormTest, save_writesTheEditedViewAndKeepsTheBackup) {
    Read(formPath);
    Correct(QStringLiteral("120"));
    auto* view = Find<QPlainTextEdit>("Text");
    view->moveCursor(QTextCursor::End);
    Type(view, QStringLiteral("' Коригирано"));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdSave");

    const auto& shown = form.Messages().Shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2].text, QString::fromStdString(TextOf(messages::ConfirmSave(formPath))));
    EXPECT_EQ(shown[shown.size() - 2].buttons, MessageButtons::OkCancel);
    const std::string backup = folder.Path("form1.bak");
    EXPECT_EQ(LastMessage(), QString::fromStdString(
                                 TextOf(MessageLines{messages::Saved(formPath), messages::OriginalKeptAs(backup)})));
    EXPECT_EQ(ReadBytes(backup), kForm);
    const std::string saved = ReadBytes(formPath);
    EXPECT_EQ(saved.substr(0, 14), "VERSION 5.00\r\n");
    EXPECT_NE(saved.find("=   3834\r\n"), std::string::npos);
    // The line typed after the last one takes the ending of the line before it.
    EXPECT_EQ(saved.substr(saved.size() - 19), "End\r\n' \xCA\xEE\xF0\xE8\xE3\xE8\xF0\xE0\xED\xEE\r\n");
}

// A form of mixed line endings shows as one of CR LF endings does; a save from the window
// gives each line its own back, and a line the operator added takes the one before it.
TEST_F(ConvertFormTest, save_mixedLineEndings_eachLineKeepsItsOwn) {
    Read(formPath);
    const QString shownForCrLf = ViewPlainText();
    WriteBytes(formPath,
               "VERSION 5.00\nBegin VB.Form Form1\r\n   ClientHeight    =   3195\n"
               "   BeginProperty Font\r\n      Size            =   8.25\n   EndProperty\r\nEnd");
    Read(formPath);
    EXPECT_EQ(ViewPlainText(), shownForCrLf);
    Correct(QStringLiteral("120"));
    TypeAtEndOfLine(1, QStringLiteral("\n' added"));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdSave");
    EXPECT_EQ(ReadBytes(formPath),
              "VERSION 5.00\n' added\nBegin VB.Form Form1\r\n   ClientHeight    =   3834\n"
              "   BeginProperty Font\r\n      Size            =   9.9\n   EndProperty\r\nEnd");
}

TEST_F(ConvertFormTest, save_cancel_touchesNothing) {
    Read(formPath);
    form.Messages().SetNextAnswer(PressedButton::Cancel);
    Click("cmdSave");
    EXPECT_EQ(ReadBytes(formPath), kForm);
    EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
    EXPECT_EQ(form.Messages().Shown().size(), 1u);
}

// The designer or an editor changed the form after Чете: the window asks before writing over
// the change; Отказ leaves it, Добре keeps it in the backup.
TEST_F(ConvertFormTest, save_formChangedSinceRead_asksAndEachAnswerKeepsTheChange) {
    Read(formPath);
    const std::string changed = "VERSION 5.00\r\n' changed in the designer\r\n";
    WriteBytes(formPath, changed);
    const std::string backup = folder.Path("form1.bak");
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Messages().SetNextAnswer(PressedButton::Cancel);
    Click("cmdSave");
    ASSERT_EQ(form.Messages().Shown().size(), 2u);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::ChangedSinceRead(formPath))));
    EXPECT_EQ(form.Messages().Shown().back().buttons, MessageButtons::OkCancelDefaultCancel);
    EXPECT_EQ(ReadBytes(formPath), changed);
    EXPECT_FALSE(fs::exists(backup));

    for (int answer = 0; answer < 3; ++answer)
        form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdSave");
    const auto& shown = form.Messages().Shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[3].text, QString::fromStdString(TextOf(messages::ChangedSinceRead(formPath))));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(MessageLines{messages::Saved(formPath),
                                                                        messages::OtherProgramsChangeKeptIn(backup)})));
    EXPECT_EQ(ReadBytes(backup), changed);
    EXPECT_EQ(ReadBytes(formPath), kForm);
}

TEST_F(ConvertFormTest, save_everyByteValue_comesBackUnchanged) {
    const std::string bytes = testing::EveryByteValueButLineBreaks();
    WriteBytes(formPath, bytes);
    Read(formPath);
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdSave");
    EXPECT_EQ(ReadBytes(formPath), bytes);  // a last line without an ending keeps none
}

TEST_F(ConvertFormTest, save_typedCharacterTheCodePageCannotHold_isRefused) {
    Read(formPath);
    Find<QPlainTextEdit>("Text")->moveCursor(QTextCursor::Start);
    Type(Find<QPlainTextEdit>("Text"), QStringLiteral("中"));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdSave");
    EXPECT_EQ(LastMessage(),
              QString::fromStdString(TextOf(messages::UnsavableCharacter(formPath, "中", 1, "Windows-1251"))));
    EXPECT_EQ(ReadBytes(formPath), kForm);
}

TEST_F(ConvertFormTest, exit_closesTheWindow) {
    Click("cmdExit");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ConvertFormTest, realMessageBox_showsTheTextAndButtons) {
    QString text, title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::Information;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        text = box->text();
        title = box->windowTitle();
        buttons = box->standardButtons();
        icon = box->icon();
        box->button(QMessageBox::Cancel)->click();
    });
    const PressedButton pressed = form.ShowMessage({messages::ConfirmSave(formPath)}, MessageButtons::OkCancel);
    EXPECT_EQ(pressed, PressedButton::Cancel);
    EXPECT_EQ(text, QString::fromStdString(TextOf(messages::ConfirmSave(formPath))));
    EXPECT_EQ(title, captions::ProgramName());
    EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

// Enter and Space press Отказ in the two questions whose Добре would drop the typed text or
// write over another program's change, and Добре in "Записва файл:": the text and both files
// stay as they were.
TEST_F(ConvertFormTest, realMessageBoxes_enterAndSpaceKeepTheTextAndTheFile) {
    const std::string otherPath = folder.Path("form2.frm");
    WriteBytes(otherPath, "Begin VB.Form Form2\r\nEnd\r\n");
    Read(formPath);
    TypeAtEndOfLine(1, QStringLiteral(" "));
    const QString typed = ViewPlainText();
    const std::string changed = "VERSION 5.00\r\n' changed in the designer\r\n";
    WriteBytes(formPath, changed);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Enter" : "Space");
        {
            KeyInMessageBoxes operatorsKey(key);
            form.Chooser().SetNextAnswer(QString::fromStdString(otherPath));
            Click("cmdRead");
            EXPECT_EQ(operatorsKey.texts, QStringList{QString::fromStdString(TextOf(messages::DropUnsavedWork()))});
            EXPECT_TRUE(operatorsKey.everyBoxClosedByTheKey);
        }
        EXPECT_EQ(ViewPlainText(), typed);
        EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));

        {
            KeyInMessageBoxes operatorsKey(key);
            Click("cmdSave");
            EXPECT_EQ(operatorsKey.texts,
                      QStringList({QString::fromStdString(TextOf(messages::ConfirmSave(formPath))),
                                   QString::fromStdString(TextOf(messages::ChangedSinceRead(formPath)))}));
            EXPECT_TRUE(operatorsKey.everyBoxClosedByTheKey);
        }
        EXPECT_EQ(ReadBytes(formPath), changed);
        EXPECT_FALSE(fs::exists(folder.Path("form1.bak")));
        EXPECT_EQ(ViewPlainText(), typed);
    }
}

// Чете's dialog lists the folder of the form last read or saved, in a later run too; once that
// folder is gone, the home folder.
TEST_F(ConvertFormTest, realOpenDialog_startsInTheFolderOfTheFormLastRead) {
    const auto folderShown = [this] {
        ConvertForm nextRun{help};
        EXPECT_TRUE(testing::ShowActive(nextRun));
        QString shown;
        AnswerNextModal([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                shown = dialog->directory().absolutePath();
        });
        nextRun.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
        return shown;
    };
    auto elsewhere = std::make_unique<TempFolder>();
    const std::string formElsewhere = elsewhere->Path("form9.frm");
    WriteBytes(formElsewhere, kForm);
    Read(formElsewhere);
    EXPECT_EQ(folderShown(), QString::fromStdString(fs::path(formElsewhere).parent_path().string()));
    Read(formPath);
    EXPECT_EQ(folderShown(), QString::fromStdString(fs::path(formPath).parent_path().string()));
    Read(formElsewhere);
    elsewhere.reset();
    EXPECT_EQ(folderShown(), QDir::homePath());
}

// A form file dropped on the window is read as Чете reads it, unsaved work asked about first;
// the text box it lands on takes nothing from it.
TEST_F(ConvertFormTest, droppedFormFile_isReadAsReadReadsIt) {
    const std::string otherPath = folder.Path("form2.frm");
    WriteBytes(otherPath, "Begin VB.Form Form2\r\nEnd\r\n");
    const auto drop = [this](const std::string& path, QWidget* on) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        const QPoint at(30, 30);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };
    QWidget* view = Find<QPlainTextEdit>("Text")->viewport();
    EXPECT_TRUE(drop(formPath, view));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.windowTitle() == QString::fromStdString("Tremaro: " + formPath); },
                                kPatienceMs));
    EXPECT_TRUE(ViewPlainText().startsWith(QStringLiteral("VERSION 5.00\nBegin VB.Form Form1\n")));

    TypeAtEndOfLine(1, QStringLiteral(" "));
    const QString typed = ViewPlainText();
    form.Messages().SetNextAnswer(PressedButton::Cancel);
    EXPECT_TRUE(drop(otherPath, view));
    EXPECT_TRUE(QTest::qWaitFor([&] { return MessagesSoFar() == 1; }, kPatienceMs));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::DropUnsavedWork())));
    EXPECT_EQ(ViewPlainText(), typed);

    form.Messages().SetNextAnswer(PressedButton::Ok);
    EXPECT_TRUE(drop(otherPath, Find<QPushButton>("cmdStart")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.windowTitle() == QString::fromStdString("Tremaro: " + otherPath); },
                                kPatienceMs));
    EXPECT_EQ(ViewPlainText(), QStringLiteral("Begin VB.Form Form2\nEnd\n"));
    EXPECT_EQ(MessagesSoFar(), 2u);
}

TEST_F(ConvertFormTest, realOpenDialog_offersTheThreeFileTypesAndProjects) {
    QStringList filters;
    QStringList typed;
    AnswerNextModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            filters = dialog->nameFilters();
            typed = dialog->selectedFiles();
        }
    });
    Click("cmdRead");
    EXPECT_EQ(filters, QStringList({captions::AllFilesType(), captions::RichTextFilesType(), captions::TextFilesType(),
                                    captions::ProjectFilesType()}));
    ASSERT_EQ(typed.size(), 1);
    EXPECT_TRUE(typed.first().endsWith(QLatin1Char('/') + captions::FormFilesPattern())) << typed.first().toStdString();
    EXPECT_TRUE(form.Messages().Shown().empty());
    EXPECT_EQ(form.windowTitle(), captions::ProgramName());
}

TEST_F(ConvertFormTest, start_correctsTheTextAsTyped_andARefusalLeavesItAsTyped) {
    Read(formPath);
    TypeAtEndOfLine(2, QStringLiteral("\n   Caption         =   \"Заповед\""));
    TypeAtEndOfLine(4, QStringLiteral("0"));  // ClientHeight 31950
    const QString typed = ViewPlainText();
    ASSERT_TRUE(
        typed.contains(QStringLiteral("Form1\n   Caption         =   \"Заповед\"\n   ClientHeight    =   31950\n")))
        << typed.toStdString();

    Correct(QStringLiteral("19.99"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::PercentRefused())));
    EXPECT_EQ(ViewPlainText(), typed);

    Correct(QStringLiteral("120"));
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CorrectionFinished())));
    EXPECT_EQ(ViewPlainText(), QStringLiteral("VERSION 5.00\nBegin VB.Form Form1\n   Caption         =   \"Заповед\"\n"
                                              "   ClientHeight    =   38340\n   BeginProperty Font\n"
                                              "      Size            =   9.9\n   EndProperty\nEnd\n"));
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
}

TEST_F(ConvertFormTest, unsavedWork_exitCloseAndRead_askExactlyWhenTheTextChanged) {
    const std::string otherPath = folder.Path("form2.frm");
    WriteBytes(otherPath, "Begin VB.Form Form2\r\nEnd\r\n");
    // Closing as the window system does when the frame's close button is clicked.
    const auto closeFromTheFrame = [this] {
        QCloseEvent close;
        QApplication::sendEvent(form.windowHandle(), &close);
        return close.isAccepted();
    };

    Read(formPath);
    Click("cmdExit");
    EXPECT_FALSE(form.isVisible());
    ASSERT_TRUE(testing::ShowActive(form));
    EXPECT_TRUE(closeFromTheFrame());
    ASSERT_TRUE(testing::ShowActive(form));
    Read(formPath);
    EXPECT_EQ(MessagesSoFar(), 0u);

    TypeAtEndOfLine(1, QStringLiteral(" "));
    const QString typed = ViewPlainText();
    const std::pair<const char*, std::function<void()>> waysOut[] = {
        {"Изход", [this] { Click("cmdExit"); }},
        {"the frame's close button", [&] { EXPECT_FALSE(closeFromTheFrame()); }},
        {"Чете",
         [&] {
             form.Chooser().SetNextAnswer(QString::fromStdString(otherPath));
             Click("cmdRead");
         }},
    };
    for (const auto& [name, wayOut] : waysOut) {
        SCOPED_TRACE(name);
        const std::size_t before = MessagesSoFar();
        form.Messages().SetNextAnswer(PressedButton::Cancel);
        wayOut();
        ASSERT_EQ(MessagesSoFar(), before + 1);
        EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::DropUnsavedWork())));
        EXPECT_EQ(form.Messages().Shown().back().buttons, MessageButtons::OkCancelDefaultCancel);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(ViewPlainText(), typed);
        EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
    }

    // OK: the read that was refused goes ahead (the chooser still holds its answer), then the
    // window closes.
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.Chooser().SetNextAnswer(QString::fromStdString(otherPath));
    Click("cmdRead");
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + otherPath));
    EXPECT_EQ(ViewPlainText(), QStringLiteral("Begin VB.Form Form2\nEnd\n"));
    TypeAtEndOfLine(1, QStringLiteral(" "));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click("cmdExit");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::DropUnsavedWork())));
}

TEST_F(ConvertFormTest, keys_pressReadSaveAndHelp_andTheTooltipsNameThem) {
    EXPECT_EQ(Find<QPushButton>("cmdRead")->toolTip(), captions::ReadKeys());
    EXPECT_EQ(Find<QPushButton>("cmdSave")->toolTip(), captions::SaveKeys());
    EXPECT_EQ(Find<QPushButton>("cmdHelp")->toolTip(), captions::HelpKeys());

    auto* view = Find<QPlainTextEdit>("Text");
    view->setFocus();
    form.Chooser().SetNextAnswer(QString::fromStdString(formPath));
    QTest::keyClick(view, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));

    form.Messages().SetNextAnswer(PressedButton::Cancel);
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::ConfirmSave(formPath))));
    EXPECT_EQ(ReadBytes(formPath), kForm);

    auto* percent = Find<QLineEdit>("Text1");
    percent->setFocus();
    QTest::keyClick(percent, Qt::Key_F1);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->isVisible());
    help.Window()->close();
    EXPECT_TRUE(percent->text().isEmpty());
    EXPECT_EQ(MessagesSoFar(), 1u);
}

TEST_F(ConvertFormTest, openFile_readsAsReadDoes_andTheCommandLinesFileOnceTheWindowIsShown) {
    ConvertForm started{help};
    started.OpenFileWhenShown(formPath);
    QApplication::processEvents();
    EXPECT_EQ(started.windowTitle(), captions::ProgramName());
    ASSERT_TRUE(testing::ShowActive(started));
    EXPECT_TRUE(QTest::qWaitFor([&] { return started.windowTitle() == QString::fromStdString("Tremaro: " + formPath); },
                                kPatienceMs));
    EXPECT_TRUE(started.Lines().HasForm());
    started.close();

    form.OpenFile(formPath);
    EXPECT_EQ(form.windowTitle(), QString::fromStdString("Tremaro: " + formPath));
    EXPECT_TRUE(ViewPlainText().startsWith(QStringLiteral("VERSION 5.00\nBegin VB.Form Form1\n")));
    const std::string missing = folder.Path("missing.frm");
    form.Messages().SetNextAnswer(PressedButton::Ok);
    form.OpenFile(missing);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::CannotRead(missing))));
    EXPECT_EQ(form.FormFileName(), formPath);
}

// A Spanish form whose font says Cyrillic (Charset 204) is read as Windows-1251.
TEST_F(ConvertFormTest, contextMenu_codePages_readTheFormAgainInTheOneChosen) {
    WriteBytes(
        formPath,
        "VERSION 5.00\r\nBegin VB.Form Form1\r\n   BeginProperty Font \r\n      Charset         =   204\r\n"
        "   EndProperty\r\n   ClientHeight    =   3000\r\n   ClientWidth     =   4500\r\n"
        "   Begin VB.Label Label1\r\n      Caption         =   \"Secci\xF3n\"\r\n      Height          =   600\r\n"
        "      Left            =   300\r\n      Top             =   300\r\n      Width           =   3000\r\n"
        "   End\r\nEnd\r\n");
    Read(formPath);
    ASSERT_TRUE(ViewPlainText().contains(QStringLiteral("\"Secciуn\"")));
    // The preview's "Преди" is the form as read: it follows the code page.
    ASSERT_TRUE(testing::ShowActive(form));
    QTest::keyClick(Find<QPlainTextEdit>("Text"), Qt::Key_F5);
    PreviewWindow* preview = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (preview = qobject_cast<PreviewWindow*>(QApplication::activeWindow())) != nullptr; },
        kPatienceMs));
    const auto picture = [preview](const char* name) {
        return preview->findChild<QLabel*>(QLatin1String(name))->pixmap().toImage();
    };
    const QImage beforeAsRead = picture("pictureBefore");

    QStringList listed;
    QString menuTitle;
    bool enabled = false;
    const auto choose = [&](const QString& codePage) {
        listed.clear();
        return [&, codePage](QMenu* menu) -> QAction* {
            auto* pages = menu->findChild<QMenu*>(QStringLiteral("codePageMenu"));
            if (!pages)
                return nullptr;
            menuTitle = pages->title();
            enabled = pages->isEnabled();
            QAction* chosen = nullptr;
            for (QAction* action : pages->actions()) {
                listed << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
                if (action->text() == codePage)
                    chosen = action;
            }
            return chosen;
        };
    };
    ASSERT_TRUE(testing::ShowActive(form));
    UseViewMenu(choose(captions::CodePageEntry(CodePage::Windows1252)));
    EXPECT_EQ(menuTitle, captions::CodePageMenu());
    EXPECT_TRUE(enabled);
    QStringList offered;
    for (const CodePage page : kCodePages)
        offered << captions::CodePageEntry(page) + (page == CodePage::Windows1251 ? QStringLiteral(" *") : QString());
    EXPECT_EQ(listed, offered);
    EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("\"Sección\"")));
    EXPECT_EQ(MessagesSoFar(), 0u);
    EXPECT_NE(picture("pictureBefore"), beforeAsRead);
    EXPECT_EQ(picture("pictureBefore"), picture("pictureAfter"));

    // Changed text: the question first, and Cancel keeps it and the code page.
    TypeAtEndOfLine(1, QStringLiteral(" "));
    const QString typed = ViewPlainText();
    form.Messages().SetNextAnswer(PressedButton::Cancel);
    UseViewMenu(choose(captions::CodePageEntry(CodePage::Windows1251)));
    EXPECT_TRUE(listed.contains(captions::CodePageEntry(CodePage::Windows1252) + QStringLiteral(" *")))
        << listed.join(' ').toStdString();
    ASSERT_EQ(MessagesSoFar(), 1u);
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::DropUnsavedWork())));
    EXPECT_EQ(ViewPlainText(), typed);

    form.Messages().SetNextAnswer(PressedButton::Ok);
    UseViewMenu(choose(captions::CodePageEntry(CodePage::Windows1251)));
    EXPECT_EQ(MessagesSoFar(), 2u);
    EXPECT_TRUE(ViewPlainText().contains(QStringLiteral("\"Secciуn\"")));
    EXPECT_FALSE(ViewPlainText().startsWith(QStringLiteral("VERSION 5.00 ")));
    EXPECT_EQ(picture("pictureBefore"), beforeAsRead);
    preview->close();

    // The page chosen last is the folder's from now on, in this window and the next; a form of
    // another folder still decides for itself. Its own text would say Western.
    const std::string spanish =
        "Begin VB.Form Form2\r\n   Caption = \"Configuraci\xF3n de la secci\xF3n\"\r\n"
        "   BeginProperty Font\r\n      Charset = 0\r\n   EndProperty\r\nEnd\r\n";
    const std::string sameFolder = folder.Path("form2.frm");
    const std::string otherFolder = folder.Path("other/form2.frm");
    std::filesystem::create_directory(folder.Path("other"));
    WriteBytes(sameFolder, spanish);
    WriteBytes(otherFolder, spanish);
    ConvertForm next{help};
    next.OpenFile(sameFolder);
    EXPECT_EQ(next.Lines().TextCodePage(), CodePage::Windows1251);
    next.OpenFile(otherFolder);
    EXPECT_EQ(next.Lines().TextCodePage(), CodePage::Windows1252);
}

// A form whose bytes say little of their code page is read in the likeliest, with a word under
// the text; one that says clearly has none.
TEST_F(ConvertFormTest, codePageGuessed_isSaidUnderTheText) {
    auto* guessed = Find<QLabel>("codePageGuessed");
    EXPECT_EQ(guessed->text(), captions::CodePageGuessed());
    WriteBytes(formPath, "Begin VB.Form Form1\r\n   Caption = \"Secci\xF3n\"\r\nEnd\r\n");
    Read(formPath);
    EXPECT_TRUE(guessed->isVisibleTo(&form));
    WriteBytes(formPath,
               "Begin VB.Form Form1\r\n   Caption = \"Secci\xF3n\"\r\n   BeginProperty Font\r\n"
               "      Charset = 0\r\n   EndProperty\r\nEnd\r\n");
    Read(formPath);
    EXPECT_FALSE(guessed->isVisibleTo(&form));
}

// "TrueType шрифтове" is off until the operator checks it; checked, it stays so in the next run
// and every correction names the TrueType twins; unchecked again, MS Sans Serif under 8 points
// is said after the correction's end.
TEST_F(ConvertFormTest, contextMenu_trueTypeFonts_isRememberedForTheNextRunAndUsedByStart) {
    struct LeaveItOff {
        ~LeaveItOff() { RememberedTrueTypeFonts().Remember(false); }
    } leaveItOff;
    WriteBytes(formPath,
               "VERSION 5.00\r\nBegin VB.Form Form1\r\n   BeginProperty Font \r\n"
               "      Name            =   \"MS Sans Serif\"\r\n      Size            =   8.25\r\n"
               "   EndProperty\r\nEnd\r\n");
    // The item as offered, and toggled when pick says so.
    struct Offered {
        bool found = false;
        QString text;
        bool checkable = false;
        bool checked = false;
    };
    const auto useItem = [this](ConvertForm* window, bool toggle) {
        Offered offered;
        UseViewMenu(
            [&](QMenu* menu) -> QAction* {
                auto* item = menu->findChild<QAction*>(QStringLiteral("trueTypeFonts"));
                if (!item || !menu->actions().contains(item))
                    return nullptr;
                offered = {true, item->text(), item->isCheckable(), item->isChecked()};
                return toggle ? item : nullptr;
            },
            window);
        return offered;
    };
    const auto lastShown = [](ConvertForm& window) {
        const auto& shown = window.Messages().Shown();
        return shown.empty() ? QString() : shown.back().text;
    };
    const Offered first = useItem(&form, true);
    ASSERT_TRUE(first.found);
    EXPECT_EQ(first.text, captions::TrueTypeFontsItem());
    EXPECT_TRUE(first.checkable);
    EXPECT_FALSE(first.checked);

    {
        ConvertForm nextRun{help};
        ASSERT_TRUE(testing::ShowActive(nextRun));
        EXPECT_TRUE(useItem(&nextRun, false).checked);
        nextRun.OpenFile(formPath);
        nextRun.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("80"));
        nextRun.Messages().SetNextAnswer(PressedButton::Ok);
        nextRun.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
        const QString corrected = nextRun.findChild<QPlainTextEdit*>(QStringLiteral("Text"))->toPlainText();
        EXPECT_TRUE(corrected.contains(QStringLiteral("Name            =   \"Microsoft Sans Serif\"\n")))
            << corrected.toStdString();
        EXPECT_EQ(lastShown(nextRun), QString::fromStdString(TextOf(messages::CorrectionFinished())));
        EXPECT_TRUE(useItem(&nextRun, true).checked);
    }

    ConvertForm thirdRun{help};
    ASSERT_TRUE(testing::ShowActive(thirdRun));
    EXPECT_FALSE(useItem(&thirdRun, false).checked);
    thirdRun.OpenFile(formPath);
    thirdRun.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("80"));
    thirdRun.Messages().SetNextAnswer(PressedButton::Ok);
    thirdRun.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    EXPECT_TRUE(thirdRun.findChild<QPlainTextEdit*>(QStringLiteral("Text"))
                    ->toPlainText()
                    .contains(QStringLiteral("Name            =   \"MS Sans Serif\"\n")));
    EXPECT_EQ(lastShown(thirdRun), QString::fromStdString(TextOf(MessageLines{messages::CorrectionFinished(),
                                                                              messages::BitmapSansSerifTooSmall()})));
}

TEST_F(ConvertFormTest, contextMenu_beforeAnyRead_offersNoCodePageToReadAgainIn) {
    bool found = false;
    bool enabled = true;
    UseViewMenu([&](QMenu* menu) -> QAction* {
        auto* pages = menu->findChild<QMenu*>(QStringLiteral("codePageMenu"));
        found = pages != nullptr;
        enabled = pages && pages->isEnabled();
        return nullptr;
    });
    EXPECT_TRUE(found);
    EXPECT_FALSE(enabled);
}

// A project of three forms in two folders: a Greek one whose fonts name its script, one
// in another folder, and one of ASCII alone, which the project's forms decide for.
class ProjectInWindowTest : public ConvertFormTest {
protected:
    ProjectInWindowTest() {
        fs::create_directory(folder.Path("Dialogs"));
        WriteBytes(forms[0],
                   "Begin VB.Form frmCustomers\r\n   BeginProperty Font\r\n      Charset = 161\r\n"
                   "   EndProperty\r\n   Caption = \"\xD0\xE5\xEB\xDC\xF4\xE5\xF2\"\r\nEnd\r\n");
        WriteBytes(forms[1], "Begin VB.Form frmAbout\r\n   Caption = \"About\"\r\nEnd\r\n");
        WriteBytes(forms[2], "Begin VB.Form frmSplash\r\nEnd\r\n");
        // Named as no project is: what it holds makes it one.
        WriteBytes(project, "Type=Exe\r\nForm=Customers.frm\r\nForm=dialogs\\about.frm\r\nForm=Splash.frm\r\n");
    }
    void PressProjectFormsKeys() {
        QTest::keySequence(&form, QKeySequence(captions::ProjectFormsKeys(), QKeySequence::PortableText));
    }
    std::size_t ListsOffered() { return form.ProjectForms().Offered().size(); }
    QString TitleOf(const std::string& path) { return QString::fromStdString("Tremaro: " + path); }

    const std::string project = folder.Path("App.txt");
    const std::vector<std::string> forms = {folder.Path("Customers.frm"), folder.Path("Dialogs/About.frm"),
                                            folder.Path("Splash.frm")};
};

// Чете on a project lists its forms; the one chosen is read, in the code page the project's
// forms decide. The key opens the list again on the next form, after the question about
// unsaved work; Cancel in either reads nothing.
TEST_F(ProjectInWindowTest, read_aProject_listsItsForms_andTheKeyOpensTheListAgainOnTheNext) {
    PressProjectFormsKeys();
    EXPECT_EQ(ListsOffered(), 0u) << "a list before any project was read";

    form.ProjectForms().SetNextAnswer(0);
    Read(project);
    ASSERT_EQ(ListsOffered(), 1u);
    const ProjectFormChooser::Offer& first = form.ProjectForms().Offered()[0];
    EXPECT_EQ(first.files, QStringList({QStringLiteral("Customers.frm"), QStringLiteral("Dialogs/About.frm"),
                                        QStringLiteral("Splash.frm")}));
    EXPECT_EQ(first.captions, QStringList({QStringLiteral("Πελάτες"), QStringLiteral("About"), QString()}));
    EXPECT_EQ(first.startingRow, 0);
    EXPECT_EQ(form.windowTitle(), TitleOf(forms[0]));

    form.ProjectForms().SetNextAnswer(2);
    PressProjectFormsKeys();
    ASSERT_EQ(ListsOffered(), 2u);
    EXPECT_EQ(form.ProjectForms().Offered()[1].startingRow, 1);
    EXPECT_EQ(form.windowTitle(), TitleOf(forms[2]));
    EXPECT_EQ(form.Lines().TextCodePage(), CodePage::Windows1253);
    EXPECT_EQ(form.Lines().CodePageDecided().basis, CodePageBasis::Folder);

    form.ProjectForms().SetNextAnswer(std::nullopt);
    PressProjectFormsKeys();
    EXPECT_EQ(ListsOffered(), 3u);
    EXPECT_EQ(form.windowTitle(), TitleOf(forms[2]));

    TypeAtEndOfLine(1, QStringLiteral(" "));
    const QString typed = ViewPlainText();
    form.Messages().SetNextAnswer(PressedButton::Cancel);
    form.ProjectForms().SetNextAnswer(std::nullopt);  // a list shown without the question is still answered
    PressProjectFormsKeys();
    EXPECT_EQ(LastMessage(), QString::fromStdString(TextOf(messages::DropUnsavedWork())));
    EXPECT_EQ(ListsOffered(), 3u) << "the list shown though the operator kept the text";
    EXPECT_EQ(ViewPlainText(), typed);
    EXPECT_EQ(MessagesSoFar(), 1u);
}

// The real dialog, over the window: its title, the forms with their captions, the form after
// the one read last chosen to start with; Down and Enter read the next one.
TEST_F(ProjectInWindowTest, realProjectFormsDialog_enterReadsTheChosenForm) {
    form.ProjectForms().SetNextAnswer(0);
    Read(project);
    QString title;
    QStringList rows;
    QString startingRow;
    AnswerNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("projectFormList"));
        if (!list)
            return;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.append(list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1));
        startingRow = list->currentItem() ? list->currentItem()->text(0) : QString();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    PressProjectFormsKeys();
    EXPECT_EQ(title, captions::ProjectFormsTitle());
    EXPECT_EQ(rows, QStringList({QStringLiteral("Customers.frm|Πελάτες"), QStringLiteral("Dialogs/About.frm|About"),
                                 QStringLiteral("Splash.frm|")}));
    EXPECT_EQ(startingRow, QStringLiteral("Dialogs/About.frm"));
    EXPECT_EQ(form.windowTitle(), TitleOf(forms[2]));
}

}  // namespace
}  // namespace tremaro
