#include "picture/captions.h"
#include "platform/translation.h"
#include "ui/convert_form.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"
#include "ui/project_form_chooser.h"
#include "ui/qt_texts.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "qstring_printer.h"
#include "window_waits.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace tremaro {
namespace {

// The texts are checked by what they must be in each language, never by their words: the
// words are the catalogue's, and a test that copied them would prove nothing.

// Every caption a translation must give (the keys, the address and the program's name are
// the same in every language).
std::vector<std::pair<const char*, std::function<QString()>>> TranslatedCaptions() {
    std::vector<std::pair<const char*, std::function<QString()>>> all = {
        {"NoDisplay", captions::NoDisplay},
        {"ReadButton", captions::ReadButton},
        {"StartButton", captions::StartButton},
        {"SaveButton", captions::SaveButton},
        {"HelpButton", captions::HelpButton},
        {"ExitButton", captions::ExitButton},
        {"PercentLabel", captions::PercentLabel},
        {"CodePageMenu", captions::CodePageMenu},
        {"TrueTypeFontsItem", captions::TrueTypeFontsItem},
        {"CodePageGuessed", captions::CodePageGuessed},
        {"AllFilesType", captions::AllFilesType},
        {"RichTextFilesType", captions::RichTextFilesType},
        {"TextFilesType", captions::TextFilesType},
        {"ProjectFilesType", captions::ProjectFilesType},
        {"ProjectFormsTitle", captions::ProjectFormsTitle},
        {"ProjectFormFileHeading", captions::ProjectFormFileHeading},
        {"ProjectFormCaptionHeading", captions::ProjectFormCaptionHeading},
        {"ProjectFormMissing", captions::ProjectFormMissing},
        {"CancelButton", captions::CancelButton},
        {"HelpTitle", captions::HelpTitle},
        {"PreviewTitle", captions::PreviewTitle},
        {"ZoomToFitButton", captions::ZoomToFitButton},
        {"BeforeHeading", captions::BeforeHeading},
        {"AfterHeading", captions::AfterHeading},
        {"HiddenTabControls(1)", [] { return captions::HiddenTabControls(1); }},
        {"HiddenTabControls(2)", [] { return captions::HiddenTabControls(2); }},
        {"NoFormDescription", captions::NoFormDescription},
        {"NoNewProblems", captions::NoNewProblems},
    };
    for (const CodePage page : kCodePages)
        all.emplace_back("CodePageEntry", [page] { return captions::CodePageEntry(page); });
    return all;
}

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; });
}

// The tests run in Bulgarian (ui_test_main.cpp); these switch to English for a while.
class CaptionsInEnglish : public ::testing::Test {
protected:
    CaptionsInEnglish() { UseLanguage("en"); }
    ~CaptionsInEnglish() override { UseLanguage("bg"); }
};

TEST(Captions, everyCaptionHasEnglishOfItsOwn_andBulgarianComesBack) {
    std::vector<QString> bulgarian;
    for (const auto& [name, caption] : TranslatedCaptions()) {
        bulgarian.push_back(caption());
        EXPECT_TRUE(HasCyrillic(bulgarian.back())) << name << ": " << bulgarian.back().toStdString();
    }
    UseLanguage("en_US.UTF-8");
    EXPECT_EQ(LanguageShown(), "en");
    std::size_t i = 0;
    for (const auto& [name, caption] : TranslatedCaptions()) {
        const QString english = caption();
        EXPECT_FALSE(english.isEmpty()) << name;
        EXPECT_NE(english, bulgarian[i]) << name;
        EXPECT_FALSE(HasCyrillic(english)) << name << ": " << english.toStdString();
        ++i;
    }
    UseLanguage("bg");
    EXPECT_EQ(LanguageShown(), "bg");
    EXPECT_EQ(captions::ReadButton(), bulgarian[1]);
}

// Qt's own buttons and dialogs speak the language the program's own texts are shown in.
TEST(Captions, qtsOwnTextsFollowTheLanguageShown) {
    const auto cancelIn = [](const char* language) {
        UseLanguage(language);
        QTranslator translator;
        LoadQtTexts(*QCoreApplication::instance(), translator);
        const QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    const QString bulgarian = cancelIn("bg");
    const QString english = cancelIn("en");
    UseLanguage("bg");
    EXPECT_TRUE(HasCyrillic(bulgarian)) << bulgarian.toStdString();
    EXPECT_FALSE(HasCyrillic(english)) << english.toStdString();
    EXPECT_FALSE(english.isEmpty());
}

TEST_F(CaptionsInEnglish, theCountOfHiddenControlsTakesTheFormItsNumberNeeds) {
    const QString one = captions::HiddenTabControls(1);
    const QString two = captions::HiddenTabControls(2);
    EXPECT_TRUE(one.startsWith(QStringLiteral("1 "))) << one.toStdString();
    EXPECT_TRUE(captions::HiddenTabControls(21).startsWith(QStringLiteral("21 ")));
    EXPECT_NE(QString(one).remove(0, 1), QString(two).remove(0, 1));
    EXPECT_EQ(QString(two).remove(0, 1), QString(captions::HiddenTabControls(21)).remove(0, 2));
}

// The keys that press something in the window: each button's mnemonic (Alt with the letter
// marked by &), and every shortcut of the window and its actions.
std::multiset<QKeySequence> KeysOf(const QWidget& window) {
    std::multiset<QKeySequence> keys;
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        if (const QKeySequence mnemonic = QKeySequence::mnemonic(button->text()); !mnemonic.isEmpty())
            keys.insert(mnemonic);
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>())
        keys.insert(shortcut->key());
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        if (!button->shortcut().isEmpty() && QKeySequence::mnemonic(button->text()) != button->shortcut())
            keys.insert(button->shortcut());
    for (const QAction* action : window.actions())
        if (!action->shortcut().isEmpty())
            keys.insert(action->shortcut());
    return keys;
}

void ExpectNoKeyTwice(const QWidget& window) {
    const std::multiset<QKeySequence> keys = KeysOf(window);
    for (const QKeySequence& key : keys)
        EXPECT_EQ(keys.count(key), 1u) << window.objectName().toStdString() << ": " << key.toString().toStdString();
}

// The buttons pressed by a key of their own in Bulgarian, by the key their tooltip names.
const char* const kButtonsWithKeys[] = {"cmdRead", "cmdSave", "cmdHelp"};

TEST(Captions, theMainWindowsButtonsKeepTheirKeys_andNoKeyPressesTwoThings) {
    HelpLauncher help;
    for (const char* language : {"bg", "en"}) {
        UseLanguage(language);
        ConvertForm form(help);
        for (const char* name : kButtonsWithKeys) {
            const auto* button = form.findChild<QPushButton*>(QLatin1String(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(KeysOf(form).count(QKeySequence(button->toolTip(), QKeySequence::PortableText)), 1u)
                << language << " " << name;
        }
        if (std::string(language) == "en") {
            for (const QPushButton* button : form.findChildren<QPushButton*>())
                EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << button->objectName().toStdString();
        }
        ExpectNoKeyTwice(form);
    }
    UseLanguage("bg");
}

TEST_F(CaptionsInEnglish, thePreviewsButtonsEachHaveAKeyOfTheirOwn) {
    PreviewWindow preview;
    for (const QPushButton* button : preview.findChildren<QPushButton*>())
        EXPECT_TRUE(!QKeySequence::mnemonic(button->text()).isEmpty() || !button->shortcut().isEmpty())
            << button->objectName().toStdString();
    ExpectNoKeyTwice(preview);
}

// Whether a control shows its whole caption at the size it was designed with: a button's text
// within the part of the button its frame leaves, a label's within the label.
void ExpectWholeCaptions(const QWidget& window, const char* language) {
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), room.width())
            << language << " " << button->objectName().toStdString() << ": " << shown.toStdString();
        EXPECT_LE(button->fontMetrics().height(), room.height()) << language << " " << shown.toStdString();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room.width())
            << language << " " << label->objectName().toStdString() << ": " << label->text().toStdString();
        EXPECT_LE(label->fontMetrics().height(), room.height()) << language << " " << label->text().toStdString();
    }
}

TEST(Captions, theMainWindowShowsEveryCaptionWholeAtItsDesignSize_inBothLanguages) {
    HelpLauncher help;
    for (const char* language : {"bg", "en"}) {
        UseLanguage(language);
        ConvertForm form(help);
        form.findChild<QLabel*>(QStringLiteral("codePageGuessed"))->show();
        ExpectWholeCaptions(form, language);
    }
    UseLanguage("bg");
}

// Looks at the project's forms dialog once it is up, then closes it.
void ExamineDialogWhenShown(const std::function<void(QDialog&)>& examine) {
    QTimer::singleShot(0, [examine] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            ExamineDialogWhenShown(examine);
            return;
        }
        examine(*dialog);
        dialog->reject();
    });
}

TEST(Captions, theProjectFormsDialogShowsItsCaptionsWhole_andItsEnglishButtonsHaveKeysOfTheirOwn) {
    const std::vector<ProjectForm> forms = {{"/nowhere/Form1.frm", u"Form1", true, {}}};
    for (const char* language : {"bg", "en"}) {
        UseLanguage(language);
        ProjectFormChooser chooser;
        bool examined = false;
        ExamineDialogWhenShown([&](QDialog& dialog) {
            examined = true;
            EXPECT_EQ(dialog.windowTitle(), captions::ProjectFormsTitle());
            ExpectWholeCaptions(dialog, language);
            ExpectNoKeyTwice(dialog);
            if (std::string(language) == "en") {
                for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                    EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << button->text().toStdString();
            }
        });
        EXPECT_EQ(chooser.ChooseForm(nullptr, QStringLiteral("/nowhere/Project1.vbp"), forms, 0), std::nullopt);
        EXPECT_TRUE(examined) << language;
    }
    UseLanguage("bg");
}

// The window as an English-speaking operator meets it: Alt with the letter its Exit caption
// marks closes it.
TEST_F(CaptionsInEnglish, theMainWindowClosesByTheMnemonicOfItsExitButton) {
    HelpLauncher help;
    ConvertForm form(help);
    ASSERT_TRUE(testing::ShowActive(form));
    const QKeySequence exitKey =
        QKeySequence::mnemonic(form.findChild<QPushButton*>(QStringLiteral("cmdExit"))->text());
    ASSERT_FALSE(exitKey.isEmpty());
    EXPECT_EQ(form.windowTitle(), captions::ProgramName());
    QTest::keyClick(&form, exitKey[0].key(), exitKey[0].keyboardModifiers());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, testing::kPatienceMs));
}

}  // namespace
}  // namespace tremaro
