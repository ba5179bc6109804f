#include "ui/convert_form.h"
#include "core/messages.h"
#include "picture/captions.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"
#include "picture/qt_text.h"

#include "test_support.h"
#include "window_waits.h"
#include "qstring_printer.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tremaro {
namespace {

using testing::kPatienceMs;
using testing::TempFolder;
using testing::WriteBytes;

// 6000 x 4500 twips (400 x 300 pixels at 100 %) with a button at 1500, 1500.
constexpr const char* kForm =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form1\r\n"
    "   ClientHeight    =   4500\r\n"
    "   ClientWidth     =   6000\r\n"
    "   Begin VB.CommandButton Command1\r\n"
    "      Caption         =   \"OK\"\r\n"
    "      Height          =   450\r\n"
    "      Left            =   1500\r\n"
    "      Top             =   1500\r\n"
    "      Width           =   1200\r\n"
    "   End\r\n"
    "End\r\n";

std::vector<PreviewWindow*> OpenPreviews() {
    std::vector<PreviewWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<PreviewWindow*>(widget); window && window->isVisible())
            windows.push_back(window);
    return windows;
}

PreviewWindow* OpenPreview() {
    const std::vector<PreviewWindow*> windows = OpenPreviews();
    return windows.empty() ? nullptr : windows.front();
}

QSize PictureSize(PreviewWindow* window, const char* name) {
    const QLabel* picture = window->findChild<QLabel*>(QLatin1String(name));
    return picture ? picture->pixmap().size() : QSize();
}

QStringList ListedProblems(PreviewWindow* window) {
    QStringList texts;
    const auto* list = window->findChild<QListWidget*>(QStringLiteral("problems"));
    for (int row = 0; list && row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

class PreviewWindowTest : public ::testing::Test {
protected:
    PreviewWindowTest() {
        WriteBytes(formPath, kForm);
        EXPECT_TRUE(testing::ShowActive(form));
        form.Chooser().SetNextAnswer(QString::fromStdString(formPath));
        form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    }
    ~PreviewWindowTest() override {
        if (PreviewWindow* window = OpenPreview())
            window->close();
    }

    QPlainTextEdit* View() { return form.findChild<QPlainTextEdit*>(QStringLiteral("Text")); }

    // F5 in the main window, as the operator presses it. A window shortcut works only in the
    // active window, which the window manager makes it in its own time; the preview is then
    // awaited until the window manager has activated it in turn.
    PreviewWindow* OpenWithF5() {
        EXPECT_TRUE(testing::ShowActive(form));
        QTest::keyClick(View(), Qt::Key_F5);
        PreviewWindow* window = OpenPreview();
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window, kPatienceMs));
        }
        return window;
    }

    // Opens the view's context menu as a right click would and picks the preview in it;
    // returns the names of the menu's items. The menu runs its own event loop inside the
    // click; the picker, called from that loop, reads the menu and closes it, so a missing
    // item fails the test instead of leaving the menu open.
    QStringList PickPreviewFromContextMenu() {
        QStringList items;
        QTimer picker;
        QObject::connect(&picker, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            picker.stop();
            QAction* preview = nullptr;
            for (QAction* action : menu->actions()) {
                items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + "=" + action->text());
                if (action->text() == captions::PreviewTitle())
                    preview = action;
            }
            menu->close();
            if (preview)
                preview->trigger();
        });
        picker.start(10);
        const QPoint inside(20, 20);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, View()->viewport()->mapToGlobal(inside));
        QApplication::sendEvent(View()->viewport(), &click);
        return items;
    }

    void Correct(const QString& percent) {
        form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(percent);
        form.Messages().SetNextAnswer(PressedButton::Ok);
        form.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    }

    TempFolder folder;
    const std::string formPath = folder.Path("Form1.frm");
    HelpLauncher help;
    ConvertForm form{help};
};

TEST_F(PreviewWindowTest, contextMenu_offersThePreviewBesideCopyAndPaste) {
    ASSERT_EQ(OpenPreview(), nullptr);
    const QStringList items = PickPreviewFromContextMenu();
    const qsizetype paste = items.indexOf(QRegularExpression(QStringLiteral("^edit-paste=.*")));
    ASSERT_GE(paste, 0) << items.join(QLatin1Char(' ')).toStdString();
    EXPECT_GE(items.indexOf(QRegularExpression(QStringLiteral("^edit-copy=.*"))), 0);
    EXPECT_EQ(items.value(paste + 1), QStringLiteral("previewForm=") + captions::PreviewTitle());

    PreviewWindow* window = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (window = OpenPreview()) != nullptr; }, kPatienceMs));
    EXPECT_EQ(window->windowTitle(), captions::PreviewTitle());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("headingBefore"))->text(), captions::BeforeHeading());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("headingAfter"))->text(), captions::AfterHeading());
}

TEST_F(PreviewWindowTest, shortcutOpensIt_andItFollowsStartAndTyping) {
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    window->SetZoom(1.0);
    EXPECT_EQ(PictureSize(window, "pictureBefore"), QSize(400, 300));
    EXPECT_EQ(PictureSize(window, "pictureAfter"), QSize(400, 300));
    EXPECT_EQ(ListedProblems(window), QStringList{captions::NoNewProblems()});

    Correct(QStringLiteral("200"));
    EXPECT_EQ(PictureSize(window, "pictureBefore"), QSize(400, 300));
    EXPECT_EQ(PictureSize(window, "pictureAfter"), QSize(800, 600));
    EXPECT_EQ(window->Zoom(), 1.0);

    // The operator moves the button past the form's right edge: shortly after, it is listed.
    QString text = View()->toPlainText();
    text.replace(QRegularExpression(QStringLiteral("Left *= *3000")), QStringLiteral("Left = 11000"));
    View()->setPlainText(text);
    EXPECT_EQ(ListedProblems(window), QStringList{captions::NoNewProblems()});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ListedProblems(window).size() == 1 && ListedProblems(window)[0] != captions::NoNewProblems(); },
        kPatienceMs));
    EXPECT_EQ(ListedProblems(window),
              QStringList{QString::fromStdString(TextOf(messages::ReachesOut(u"Command1", u"Form1")))});

    auto* list = window->findChild<QListWidget*>(QStringLiteral("problems"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(window->Highlighted().has_value());
    EXPECT_EQ(window->After().controls[*window->Highlighted()].name, u"Command1");

    // A second F5 brings the same window forward rather than another one.
    ASSERT_TRUE(testing::ShowActive(form));
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window, kPatienceMs));
    EXPECT_EQ(OpenPreviews(), std::vector<PreviewWindow*>{window});
}

// Two buttons that overlap by 100 twips across and 450 down on purpose overlap by 125 across
// after a correction by 125 % across, and by 562 down after one by 125 % down: in proportion to
// what was read, axis by axis, nothing is new.
TEST_F(PreviewWindowTest, problemsAreWeighedInTheProportionOfTheCorrectionsSinceTheRead) {
    const std::string overlapping = std::string(kForm).insert(std::string(kForm).rfind("End\r\n"),
                                                              "   Begin VB.CommandButton Command2\r\n"
                                                              "      Height          =   450\r\n"
                                                              "      Left            =   2600\r\n"
                                                              "      Top             =   1500\r\n"
                                                              "      Width           =   1200\r\n"
                                                              "   End\r\n");
    WriteBytes(formPath, overlapping);
    form.Chooser().SetNextAnswer(QString::fromStdString(formPath));
    form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->After().controls.size(), 3u);

    Correct(QStringLiteral("125x100"));
    EXPECT_EQ(ListedProblems(window), QStringList{captions::NoNewProblems()});
    Correct(QStringLiteral("100 \u00D7 125"));
    EXPECT_EQ(ListedProblems(window), QStringList{captions::NoNewProblems()});

    // Typed text keeps the proportion: a button moved further over the other is news.
    QString text = View()->toPlainText();
    text.replace(QRegularExpression(QStringLiteral("Left *= *3250")), QStringLiteral("Left = 2700"));
    View()->setPlainText(text);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return ListedProblems(window) ==
                   QStringList{QString::fromStdString(TextOf(messages::Overlaps(u"Command1", u"Command2")))};
        },
        kPatienceMs));
}

// Изход closes the main window, and the preview with it: nothing is left to keep the program
// running. The help window keeps its own life.
TEST_F(PreviewWindowTest, exit_closesThePreviewWithTheMainWindow) {
    const QPointer<PreviewWindow> window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    form.findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, kPatienceMs));
    EXPECT_FALSE(form.isVisible());
}

// The problem is about a button 150 lines down the view: a click on it puts the view's cursor
// on the button's Begin line and scrolls that line into sight.
TEST_F(PreviewWindowTest, clickOnAProblem_putsTheViewsCursorOnItsControlsBeginLine) {
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    QString text = View()->toPlainText();
    text.replace(QRegularExpression(QStringLiteral("Left *= *1500")), QStringLiteral("Left = 11000"));
    text.prepend(
        QStringLiteral("Object = \"{00000000-0000-0000-0000-000000000000}#1.0#0\"; \"x.ocx\"\n").repeated(150));
    View()->setPlainText(text);
    const int beginLine =
        static_cast<int>(text.split(QLatin1Char('\n'))
                             .indexOf(QRegularExpression(QStringLiteral("^ *Begin VB.CommandButton Command1 *$")))) +
        1;
    ASSERT_GT(beginLine, 150);
    auto* list = window->findChild<QListWidget*>(QStringLiteral("problems"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Problems().Empty(); }, kPatienceMs));
    EXPECT_EQ(View()->textCursor().blockNumber(), 0);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(View()->textCursor().blockNumber() + 1, beginLine);
    EXPECT_EQ(View()->textCursor().positionInBlock(), 0);
    EXPECT_TRUE(View()->viewport()->rect().contains(View()->cursorRect()));
}

// Share of a window's frame that the other window's frame covers.
double CoveredShare(const QRect& frame, const QRect& other) {
    const QRect covered = frame.intersected(other);
    return covered.isEmpty() ? 0.0
                             : double(covered.width()) * covered.height() / (double(frame.width()) * frame.height());
}

// The frames are a window manager's (openbox under Xvfb; CTest runs this on screens of 1600 x 1000
// and 1024 x 768 too). Wherever the main window stands (where the window manager first put it, at
// either edge of the screen), the preview opens at least 500 pixels wide and both stay on the
// screen: apart where it is wide enough for both, else covering no more than a quarter of
// either.
TEST_F(PreviewWindowTest, opensBesideTheMainWindow_andNeitherCoversMuchOfTheOther) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs the frames of a window manager";
    constexpr double kMostCovered = 0.25;
    const QRect available = form.screen()->availableGeometry();
    const int mainWidth = form.frameGeometry().width();
    const bool roomForBoth = available.width() >= mainWidth + 500;
    const QPoint starts[] = {form.frameGeometry().topLeft(), available.topLeft(),
                             QPoint(available.right() + 1 - mainWidth, available.top() + 100)};
    for (const QPoint start : starts) {
        SCOPED_TRACE(::testing::Message() << "main window at " << start.x() << "," << start.y() << " on "
                                          << available.width() << "x" << available.height());
        if (PreviewWindow* open = OpenPreview())
            open->close();
        form.move(start);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.frameGeometry().topLeft() == start; }, kPatienceMs));
        PreviewWindow* window = OpenWithF5();
        ASSERT_NE(window, nullptr);
        const auto sideBySide = [&] {
            const QRect main = form.frameGeometry();
            const QRect preview = window->frameGeometry();
            return available.contains(main) && available.contains(preview) && preview.width() >= 500 &&
                   (roomForBoth
                        ? !preview.intersects(main)
                        : CoveredShare(main, preview) <= kMostCovered && CoveredShare(preview, main) <= kMostCovered);
        };
        EXPECT_TRUE(QTest::qWaitFor(sideBySide, kPatienceMs))
            << "main " << ::testing::PrintToString(form.frameGeometry()) << ", preview "
            << ::testing::PrintToString(window->frameGeometry());
    }
}

TEST_F(PreviewWindowTest, enterOnAFocusedButton_pressesIt) {
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    window->SetZoom(1.0);
    auto* zoomIn = window->findChild<QPushButton*>(QStringLiteral("zoomIn"));
    zoomIn->setFocus();
    QTest::keyClick(zoomIn, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(window->Zoom(), 1.25);
    QTest::keyClick(zoomIn, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(window->Zoom(), 1.25 * 1.25);
}

// 300,000 twips square: 20,000 pixels a side at 100 %. Asked for 100 %, the window lowers its
// zoom to what is drawn, a picture of about 4096 x 4096, and says so; Побери goes on down to
// the few percent at which both pictures fit the window whole.
TEST_F(PreviewWindowTest, aHugeForm_isDrawnNoLargerThanAllowed_andFitsTheWindowWhole) {
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    const std::u16string_view huge = u"Begin VB.Form Form1\n ClientWidth = 300000\n ClientHeight = 300000\nEnd\n";
    window->ShowForms(huge, huge);
    window->SetZoom(1.0);
    EXPECT_NEAR(window->Zoom(), 4096.0 / 20000, 0.001);
    const QSize shown = PictureSize(window, "pictureAfter");
    EXPECT_LE(qint64(shown.width()) * shown.height(), qint64(4100) * 4100);
    auto* zoomShown = window->findChild<QLabel*>(QStringLiteral("zoomShown"));
    EXPECT_EQ(zoomShown->text(), captions::ZoomShown(20));

    window->findChild<QPushButton*>(QStringLiteral("zoomFit"))->click();
    EXPECT_LT(window->Zoom(), 0.10);
    EXPECT_EQ(zoomShown->text(), captions::ZoomShown(qRound(window->Zoom() * 100)));
    QApplication::processEvents();  // the layout requests of the new pictures, already queued
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("pictures"));
    const QSize wanted = scroll->widget()->minimumSizeHint();
    EXPECT_LE(wanted.width(), scroll->viewport()->width());
    EXPECT_LE(wanted.height(), scroll->viewport()->height());
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
}

// "Преди" is narrow and carries a hidden-tab note wider than its fitted picture; "След" is five
// times as wide. Fitting on the pictures alone left the note sticking out of the view.
TEST_F(PreviewWindowTest, fit_makesRoomForANoteWiderThanItsPicture) {
    PreviewWindow* window = OpenWithF5();
    ASSERT_NE(window, nullptr);
    // A width that leaves "След" room beside the note whatever room the screen gave the window.
    window->resize(900, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == 900; }, kPatienceMs));
    window->ShowForms(
        u"Begin VB.Form Form1\n ClientWidth = 6000\n ClientHeight = 300\n"
        u" Begin VB.CommandButton Hidden\n  Left = -60000\n  Top = 0\n  Width = 100\n  Height = 100\n End\n"
        u"End\n",
        u"Begin VB.Form Form1\n ClientWidth = 30000\n ClientHeight = 300\n End\n");
    window->findChild<QPushButton*>(QStringLiteral("zoomFit"))->click();
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("pictures"));
    auto* note = window->findChild<QLabel*>(QStringLiteral("noteBefore"));
    ASSERT_FALSE(note->text().isEmpty());
    ASSERT_GT(note->sizeHint().width(), PictureSize(window, "pictureBefore").width());
    QApplication::processEvents();  // the layout requests of the new pictures, already queued
    EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width());
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
    // and it still fills the view rather than leaving half of it empty.
    EXPECT_GT(PictureSize(window, "pictureAfter").width(), scroll->viewport()->width() / 2);
}

// 201 buttons that all reach past the form's right edge once it is made narrow: the list holds
// 200 of them and closes with the one left over, in the singular.
TEST(PreviewWindowProblemList, oneProblemBeyondTheListed_isNamedInTheSingular) {
    std::string buttons;
    for (int i = 0; i < 201; ++i)
        buttons += " Begin VB.CommandButton C" + std::to_string(i) + "\n  Left = " + std::to_string(200 * i) +
                   "\n  Top = 0\n  Width = 100\n  Height = 100\n End\n";
    const auto form = [&buttons](int clientWidth) {
        const std::string text = "Begin VB.Form F\n ClientWidth = " + std::to_string(clientWidth) +
                                 "\n ClientHeight = 1000\n" + buttons + "End\n";
        return std::u16string(text.begin(), text.end());
    };
    PreviewWindow window;
    window.ShowForms(form(100000), form(50));
    const QStringList rows = ListedProblems(&window);
    ASSERT_EQ(rows.size(), 201);
    EXPECT_EQ(rows.front(), QString::fromStdString(TextOf(messages::ReachesOut(u"C0", u"F"))));
    EXPECT_EQ(rows.back(), QString::fromStdString(TextOf(messages::UnlistedProblems(1, false))));
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("problems"));
    EXPECT_EQ(list->item(200)->flags(), Qt::NoItemFlags);  // a closing line, not a place to show
}

}  // namespace
}  // namespace tremaro
