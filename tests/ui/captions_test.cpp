#include "picture/captions.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

// The only place the window layer's texts are written out; every other test names them.

TEST(Captions, program) {
    EXPECT_EQ(captions::ProgramName(), QStringLiteral("Tremaro"));
    EXPECT_EQ(captions::NoDisplay(),
              QStringLiteral("tremaro: няма графичен екран (DISPLAY не е зададен); програмата не може да се покаже."));
}

TEST(Captions, mainWindow) {
    EXPECT_EQ(captions::ReadButton(), QStringLiteral("Чете"));
    EXPECT_EQ(captions::StartButton(), QStringLiteral("Старт"));
    EXPECT_EQ(captions::SaveButton(), QStringLiteral("Запис"));
    EXPECT_EQ(captions::HelpButton(), QStringLiteral("Помощ"));
    EXPECT_EQ(captions::ExitButton(), QStringLiteral("Изход"));
    EXPECT_EQ(captions::PercentLabel(), QStringLiteral("Процент на корекцията: "));
    EXPECT_EQ(captions::PercentSign(), QStringLiteral("%"));
    EXPECT_EQ(captions::MakerAddress(), QStringLiteral("tremaro.example"));
    EXPECT_EQ(captions::ReadKeys(), QStringLiteral("Ctrl+O"));
    EXPECT_EQ(captions::SaveKeys(), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(captions::HelpKeys(), QStringLiteral("F1"));
    EXPECT_EQ(captions::CodePageMenu(), QStringLiteral("Кодова таблица"));
    EXPECT_EQ(captions::TrueTypeFontsItem(), QStringLiteral("TrueType шрифтове"));
}

TEST(Captions, openDialog) {
    EXPECT_EQ(captions::AllFilesType(), QStringLiteral("Всички файлове (*.*)"));
    EXPECT_EQ(captions::RichTextFilesType(), QStringLiteral("RichText файлове (*.rtf)"));
    EXPECT_EQ(captions::TextFilesType(), QStringLiteral("Text файлове (*.txt)"));
    EXPECT_EQ(captions::FormFilesPattern(), QStringLiteral("*.frm"));
    EXPECT_EQ(captions::ProjectFilesType(), QStringLiteral("Проекти на Visual Basic (*.vbp *.vbg)"));
}

TEST(Captions, projectForms) {
    EXPECT_EQ(captions::ProjectFormsTitle(), QStringLiteral("Форми на проекта"));
    EXPECT_EQ(captions::ProjectFormFileHeading(), QStringLiteral("Файл"));
    EXPECT_EQ(captions::ProjectFormCaptionHeading(), QStringLiteral("Заглавие"));
    EXPECT_EQ(captions::ProjectFormMissing(), QStringLiteral("(няма такъв файл)"));
    EXPECT_EQ(captions::CancelButton(), QStringLiteral("Отказ"));
    EXPECT_EQ(captions::ProjectFormsKeys(), QStringLiteral("Ctrl+Shift+O"));
}

TEST(Captions, helpWindow) {
    EXPECT_EQ(captions::HelpTitle(), QStringLiteral("Помощна информация"));
}

TEST(Captions, preview) {
    EXPECT_EQ(captions::PreviewTitle(), QStringLiteral("Преглед на формата"));
    EXPECT_EQ(captions::ZoomOutButton(), QString(QChar(0x2212)));  // the minus sign, not a hyphen
    EXPECT_EQ(captions::ZoomInButton(), QStringLiteral("+"));
    EXPECT_EQ(captions::ZoomToFitButton(), QStringLiteral("Побери"));
    EXPECT_EQ(captions::ZoomShown(100), QStringLiteral("100 %"));
    EXPECT_EQ(captions::ZoomShown(3), QStringLiteral("3 %"));
    EXPECT_EQ(captions::BeforeHeading(), QStringLiteral("Преди"));
    EXPECT_EQ(captions::AfterHeading(), QStringLiteral("След"));
    EXPECT_EQ(captions::HiddenTabControls(1), QStringLiteral("1 контрола на скрит раздел не е показана."));
    EXPECT_EQ(captions::HiddenTabControls(2), QStringLiteral("2 контроли на скрити раздели не са показани."));
    EXPECT_EQ(captions::HiddenTabControls(21), QStringLiteral("21 контроли на скрити раздели не са показани."));
    EXPECT_EQ(captions::NoFormDescription(), QStringLiteral("Няма описание на форма."));
    EXPECT_EQ(captions::NoNewProblems(), QStringLiteral("Няма нови проблеми."));
}

}  // namespace
}  // namespace tremaro
