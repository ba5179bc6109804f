#include "ui/convert_form.h"
#include "ui/help_text.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace tremaro {
namespace {

const QString kQuote = QStringLiteral("\"");
const QString kAddress = QStringLiteral("tremaro.example");

// Lines 1 to 5, piece by piece, as the help text is made of them.
std::vector<std::vector<QString>> HelpParagraphPieces() {
    return {
        {QStringLiteral(
             "    Тази програма е предназначена да преоразмерява форми на Visual Basic 6.0. Формата се зарежда"),
         QStringLiteral(" в текстов вид с помощта на бутона [Чете]. Записва се процентът на корекцията."),
         QStringLiteral(" 80 ще намали размерите на формата на 80% от оригиналния размер, а 120 ще я увеличи"),
         QStringLiteral(" на 120%. Допустими са стойности от 20 до 500, защото ако се посочи 1% няма да се получи"),
         QStringLiteral(
             " добър резултат. Променят се размерите на всички параметри на компонентите: етикети, текстови"),
         QStringLiteral(
             " полета, фреймове, картинки, включително и размера на шрифтовете, като всички размери се закръгляват до"),
         QStringLiteral(" цели стойности.")},
        {QStringLiteral(
             "    Всичко това облекчава изготвянето на бланки и формуляри. Например бланката се изготвя като форма"),
         QStringLiteral(
             " без заглавие и без контур. Добре е цветът на фона да е бял, защото някои по стари принтери печатат"),
         QStringLiteral(
             " сивото като черно и после нищо не се вижда. Нанасят се етикетите с указателни надписи и етикетите с"),
         QStringLiteral(" контур или без контур, които трябва да се попълват от съответната програма. Навсякъде фонът "
                        "трябва да е бял."),
         QStringLiteral(
             " Така бланката се изготвя много бързо, вместо де се чертае на принтера. С командата Object.PrintForm"),
         QStringLiteral(" тя се отпечатва. При настройването на бланката, тази програма оказва съществена помощ, "
                        "защото значително"),
         QStringLiteral(" ускорява процесите. С нейна помощ е направена бланката "), kQuote,
         QStringLiteral("Заповед за командировка"), kQuote, QStringLiteral(", намалена на 60%"),
         QStringLiteral(" в програмата "), kQuote, QStringLiteral("Лендаро"), kQuote, QStringLiteral(" (Lendaro).")},
        {QStringLiteral(
             "    След преоразмеряването може да се наложи ръчно да се донаместят някои компоненти на таблици,"),
         QStringLiteral(" което се дължи на закръгленията при изчисляването на размерите. Това е сравнително по-лесна"),
         QStringLiteral(" и бърза процедура, вместо всичко да се чертае отново.")},
        {QStringLiteral("    В текстовото поле, което е достъпно за оператора, се виждат параметрите на формата и"),
         QStringLiteral("  компонентите. Могат да се правят корекции на надписи, смяна на цветове и други неща, ако"),
         QStringLiteral("  операторът знае какво прави. С десния бутон на мишката могат да се ползват Copy и Paste.")},
        {QStringLiteral("    При запис, оригиналният файл се преименува с разширение BAK, а коригираният се записва"),
         QStringLiteral(" с името на оригиналния файл.")},
    };
}

QString JoinPieces(const std::vector<QString>& pieces) {
    QString line;
    for (const QString& piece : pieces)
        line += piece;
    return line;
}

TEST(HelpText, isTheSevenLinesMadeOfTheirPieces) {
    QStringList expected;
    for (const auto& pieces : HelpParagraphPieces())
        expected << JoinPieces(pieces);
    expected << QString() << QStringLiteral("    ") + kAddress;

    const QString text = BuildHelpText();
    EXPECT_EQ(text, expected.join(QStringLiteral("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_EQ(lines[6], QStringLiteral("    tremaro.example"));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QLatin1Char('\r')), 6);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 6);
}

TEST(HelpText, keepsEveryQuoteAndDoubleBlank) {
    const QStringList lines = BuildHelpText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1].count(QLatin1Char('"')), 4);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"Заповед за командировка\"")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"Лендаро\" (Lendaro).")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("и  компонентите.")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("ако  операторът")));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("    ")) && lines[i][4] != QLatin1Char(' ')) << i;
}

TEST(HelpText, addressMatchesTheMainWindowsLabel) {
    HelpLauncher help;
    ConvertForm form(help);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Label3"))->text(), kAddress);
}

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
    HelpWindow* Open() {
        help.ShowHelp();
        HelpWindow* window = help.Window();
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
    // Closing hands the window to the event loop for deletion.
    bool ClosedAndUnloaded() {
        return QTest::qWaitFor([this] { return help.Window() == nullptr; }, 2000);
    }
    // The window manager may frame the window after it is exposed; the window is expected
    // to settle at its loading size with that frame counted in.
    static void ExpectAtLoadingGeometry(HelpWindow* window) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().size() == QSize(700, 400); }))
            << "outer size " << window->frameGeometry().width() << " x "
            << window->frameGeometry().height();                          // 10500 x 6000 twips
        EXPECT_EQ(window->geometry().topLeft(), QPoint(159, 137));        // 2385, 2055 twips
        EXPECT_EQ(window->TextBox()->geometry(), QRect(8, 7, 676, 359));  // 10140 x 5390 twips at 120, 100
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
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Помощна информация"));
    ExpectAtLoadingGeometry(window);
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 255, 255));
    QPlainTextEdit* box = window->TextBox();
    EXPECT_EQ(box->objectName(), QStringLiteral("txtHelp"));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(box->font().families().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 11.25);
    EXPECT_EQ(box->toPlainText(), BuildHelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(QApplication::focusWidget(), box);
}

TEST_F(HelpWindowTest, resize_fitsTheBox) {
    HelpWindow* window = Open();
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
    EXPECT_EQ(help.Window(), window);
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
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(help.Window()));
    EXPECT_TRUE(form.isEnabled());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(help.Window() && help.Window()->isVisible());
}

}  // namespace
}  // namespace tremaro
