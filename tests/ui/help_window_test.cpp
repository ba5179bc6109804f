#include "picture/captions.h"
#include "ui/convert_form.h"
#include "ui/help_text.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "window_waits.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

using testing::FocusComesTo;
using testing::FocusedName;
using testing::kPatienceMs;

TEST(FitHelpBox, keepsTheMarginsAndNeverGoesBelowZero) {
    EXPECT_EQ(FitHelpBox({10500, 6000}), QSizeF(10140, 5390));
    EXPECT_EQ(FitHelpBox({12000, 8000}), QSizeF(11640, 7390));
    EXPECT_EQ(FitHelpBox({300, 600}), QSizeF(0, 0));
}

class HelpWindowTest : public ::testing::Test {
protected:
    ~HelpWindowTest() override {
        if (help.Window())
            help.Window()->close();
        QApplication::processEvents();
    }
    // Shows the window as the help button does and waits until the window manager has
    // activated it: by then it has framed the window, and the window has counted the frame in.
    HelpWindow* Open() {
        help.ShowHelp();
        HelpWindow* window = help.Window();
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window, kPatienceMs));
            EXPECT_TRUE(QTest::qWaitForWindowActive(window, kPatienceMs));
        }
        return window;
    }
    // Closing hands the window to the event loop for deletion.
    bool ClosedAndUnloaded() {
        return QTest::qWaitFor([this] { return help.Window() == nullptr; }, kPatienceMs);
    }
    // The window manager may frame the window after it is exposed; the window is expected
    // to settle at its loading size and place with that frame counted in.
    static void ExpectAtLoadingGeometry(HelpWindow* window) {
        const QSize outer(700, 400);          // 10500 x 6000 twips
        const QPoint clientCorner(159, 137);  // 2385, 2055 twips
        const QRect textBox(8, 7, 676, 359);  // 10140 x 5390 twips at 120, 100
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return window->frameGeometry().size() == outer && window->geometry().topLeft() == clientCorner &&
                       window->TextBox()->geometry() == textBox;
            },
            kPatienceMs));
        EXPECT_EQ(window->frameGeometry().size(), outer);
        EXPECT_EQ(window->geometry().topLeft(), clientCorner);
        EXPECT_EQ(window->TextBox()->geometry(), textBox);
    }
    static int OpenHelpWindows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += widget->objectName() == QStringLiteral("frmHelp") && widget->isVisible();
        return count;
    }

    HelpLauncher help;
};

TEST_F(HelpWindowTest, show_loadsAtItsSizeAndPlaceWithTheText) {
    HelpWindow* window = Open();
    EXPECT_EQ(window->windowTitle(), captions::HelpTitle());
    ExpectAtLoadingGeometry(window);
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 255, 255));
    QPlainTextEdit* box = window->TextBox();
    EXPECT_EQ(box->objectName(), QStringLiteral("txtHelp"));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(box->font().families().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 11.25);
    EXPECT_EQ(box->toPlainText(), BuildHelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(FocusComesTo(box)) << FocusedName();
}

TEST_F(HelpWindowTest, resize_fitsTheBox) {
    HelpWindow* window = Open();
    ExpectAtLoadingGeometry(window);
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(QSize(800, 533) - frame);  // 12000 x 7995 twips outside
    EXPECT_EQ(window->TextBox()->size(), QSize(776, 492));
    window->resize(10, 10);
    EXPECT_EQ(window->TextBox()->size(), QSize(0, 0));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(HelpWindowTest, escape_closesItWhateverModifiersAreHeld) {
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)}) {
        HelpWindow* window = Open();
        QTest::keyClick(window->TextBox(), Qt::Key_Escape, modifiers);
        EXPECT_TRUE(ClosedAndUnloaded());
    }
}

TEST_F(HelpWindowTest, otherKeys_leaveItOpen) {
    HelpWindow* window = Open();
    QTest::keyClick(window->TextBox(), Qt::Key_A);
    QTest::keyClick(window->TextBox(), Qt::Key_PageDown);
    QTest::keyClick(window->TextBox(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(help.Window(), window);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(HelpWindowTest, click_inTheText_closesIt) {
    HelpWindow* window = Open();
    QTest::mouseClick(window->TextBox()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(ClosedAndUnloaded());
}

TEST_F(HelpWindowTest, reopen_afterResize_comesBackAtTheLoadingSize) {
    HelpWindow* window = Open();
    window->setGeometry(300, 200, 900, 600);
    window->close();
    ASSERT_TRUE(ClosedAndUnloaded());
    window = Open();
    ExpectAtLoadingGeometry(window);
}

TEST_F(HelpWindowTest, severalPresses_leaveOneWindowWithTheTextOnce) {
    HelpWindow* window = Open();
    ExpectAtLoadingGeometry(window);
    window->setGeometry(300, 200, 900, 600);
    help.ShowHelp();
    help.ShowHelp();
    EXPECT_EQ(help.Window(), window);
    EXPECT_EQ(OpenHelpWindows(), 1);
    EXPECT_EQ(window->TextBox()->toPlainText().count(QStringLiteral("Тази програма")), 1);
    EXPECT_EQ(window->geometry(), QRect(300, 200, 900, 600));
}

TEST_F(HelpWindowTest, mainWindowClosing_leavesHelpOpen) {
    ConvertForm form(help);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, kPatienceMs));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(help.Window(), kPatienceMs));
    EXPECT_TRUE(form.isEnabled());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(help.Window() && help.Window()->isVisible());
}

}  // namespace
}  // namespace tremaro
