#include "ui/convert_form.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"

#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tremaro {
namespace {

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

PreviewWindow* OpenPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<PreviewWindow*>(widget); window && window->isVisible())
            return window;
    return nullptr;
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
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Chooser().SetNextAnswer(QString::fromStdString(formPath));
        form.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    }
    ~PreviewWindowTest() override {
        if (PreviewWindow* window = OpenPreview())
            window->close();
    }

    QPlainTextEdit* View() { return form.findChild<QPlainTextEdit*>(QStringLiteral("Text")); }

    // Opens the view's context menu as a right click would and picks the preview in it;
    // returns the names of the menu's items. Whatever happens, the menu is closed within
    // five seconds, so a missing item fails the test instead of hanging it.
    QStringList PickPreviewFromContextMenu() {
        QStringList items;
        QTimer picker;
        int tries = 0;
        QObject::connect(&picker, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                if (++tries > 500)
                    picker.stop();
                return;
            }
            picker.stop();
            QAction* preview = nullptr;
            for (QAction* action : menu->actions()) {
                items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + "=" + action->text());
                if (action->text() == QStringLiteral("Преглед на формата"))
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
    EXPECT_EQ(items.value(paste + 1), QStringLiteral("previewForm=Преглед на формата"));

    PreviewWindow* window = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (window = OpenPreview()) != nullptr; }, 5000));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Преглед на формата"));
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("headingBefore"))->text(), QStringLiteral("Преди"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("headingAfter"))->text(), QStringLiteral("След"));
}

TEST_F(PreviewWindowTest, shortcutOpensIt_andItFollowsStartAndTyping) {
    QTest::keyClick(View(), Qt::Key_F5);
    PreviewWindow* window = OpenPreview();
    ASSERT_NE(window, nullptr);
    window->SetZoom(1.0);
    EXPECT_EQ(PictureSize(window, "pictureBefore"), QSize(400, 300));
    EXPECT_EQ(PictureSize(window, "pictureAfter"), QSize(400, 300));
    EXPECT_EQ(ListedProblems(window), QStringList{QStringLiteral("Няма нови проблеми.")});

    Correct(QStringLiteral("200"));
    EXPECT_EQ(PictureSize(window, "pictureBefore"), QSize(400, 300));
    EXPECT_EQ(PictureSize(window, "pictureAfter"), QSize(800, 600));
    EXPECT_EQ(window->Zoom(), 1.0);

    // The operator moves the button past the form's right edge: shortly after, it is listed.
    QString text = View()->toPlainText();
    text.replace(QRegularExpression(QStringLiteral("Left *= *3000")), QStringLiteral("Left = 11000"));
    View()->setPlainText(text);
    EXPECT_EQ(ListedProblems(window), QStringList{QStringLiteral("Няма нови проблеми.")});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return ListedProblems(window).size() == 1 &&
                   ListedProblems(window)[0] != QStringLiteral("Няма нови проблеми.");
        },
        5000));
    EXPECT_EQ(ListedProblems(window), QStringList{QStringLiteral("Command1 излиза извън Form1.")});

    auto* list = window->findChild<QListWidget*>(QStringLiteral("problems"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(window->Highlighted().has_value());
    EXPECT_EQ(window->After().controls[*window->Highlighted()].name, u"Command1");

    // A second F5 brings the same window forward rather than another one.
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(OpenPreview(), window);
}

}  // namespace
}  // namespace tremaro
