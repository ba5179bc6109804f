#include "core/messages.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

// The one place where the tests write the core's texts out: every other test names them.

TEST(Messages, reading) {
    EXPECT_EQ(messages::CannotRead("/f/a.frm"), "Файлът /f/a.frm не може да бъде прочетен.");
    EXPECT_EQ(messages::TooLarge("/f/a.frm"), "Файлът /f/a.frm е твърде голям: допустими са до 64 MB.");
    EXPECT_EQ(messages::TooLong("/f/a.frm"), "Файлът /f/a.frm е твърде дълъг: допустими са до 32766 реда.");
    EXPECT_EQ(messages::ChangedWhileRead("/f/a.frm"), "Файлът /f/a.frm се промени, докато се четеше; опитайте отново.");
}

TEST(Messages, correcting) {
    EXPECT_STREQ(messages::kPercentRefused,
                 "Недопустим процент на корекцията.\r\nДопустими стойности са от 20 до 500.");
    EXPECT_STREQ(messages::kNoForm, "Няма форма за коригиране.");
    EXPECT_STREQ(messages::kCorrectionFinished, "Край на корекцията.");
    EXPECT_STREQ(messages::kBitmapSansSerifTooSmall,
                 "MS Sans Serif не може да бъде по-малък от 8 pt на екрана; изберете TrueType шрифтове.");
    EXPECT_EQ(messages::ValueOutOfRange(12),
              "Стойността на ред 12 е извън допустимия обхват.\r\nФормата не е променена.");
}

TEST(Messages, saving) {
    EXPECT_STREQ(messages::kNothingToSave, "Няма форма за записване.");
    EXPECT_EQ(messages::ConfirmSave("/f/a.frm"), "Записва файл: /f/a.frm");
    EXPECT_EQ(messages::ChangedSinceRead("/f/a.frm"),
              "Файлът /f/a.frm е променен от друга програма, след като е прочетен. Да се запише ли върху промените?");
    EXPECT_EQ(messages::Saved("/f/a.frm"), "Записан е файл /f/a.frm.\r\n");
    EXPECT_EQ(messages::NotSaved("/f/a.frm"), "Файлът /f/a.frm не е записан.\r\n");
    EXPECT_EQ(messages::OriginalKeptAs("/f/a.bak"), "Оригиналният файл е преименуван на /f/a.bak.");
    EXPECT_EQ(messages::OtherProgramsChangeKeptIn("/f/a.bak1"),
              "Промените на другата програма са запазени в /f/a.bak1.");
    EXPECT_EQ(messages::OlderBackupKept("/f/a.bak"),
              "Резервният файл /f/a.bak вече съществува и е оставен без промяна.");
    EXPECT_EQ(messages::CopyLeftBeside("/f/a.bak"),
              "Оригиналният файл е запазен непроменен, а копие от него остана като /f/a.bak.");
    EXPECT_STREQ(messages::kNoOriginal, "Няма оригинален файл за преименуване.");
    EXPECT_STREQ(messages::kOriginalUnchanged, "Оригиналният файл е запазен непроменен.");
    EXPECT_STREQ(messages::kOwnerNotKept, "Собственикът и групата на файла не можаха да бъдат запазени.");
    EXPECT_EQ(messages::BackupRefused("/f/a.frm", "/f/a.bak"),
              "Файлът /f/a.frm не е записан: не може да бъде преименуван на /f/a.bak.");
    EXPECT_EQ(messages::ReadOnly("/f/a.frm"), "Файлът /f/a.frm е само за четене и не е записан.");
    EXPECT_EQ(messages::UnsavableCharacter("/f/a.frm", "中", 2, "Windows-1252"),
              "Файлът /f/a.frm не е записан: знакът 中 на ред 2 не може да се запише в кодировка Windows-1252.");
}

TEST(Messages, unsavedWork) {
    EXPECT_STREQ(messages::kDropUnsavedWork, "Формата е променена и не е записана. Да се продължи ли без запис?");
}

TEST(Messages, layoutProblems) {
    EXPECT_EQ(messages::ReachesOut(u"Label1(3)", u"Frame1"), u"Label1(3) излиза извън Frame1.");
    EXPECT_EQ(messages::Overlaps(u"A", u"B"), u"A застъпва B.");
    EXPECT_EQ(messages::TextDoesNotFit(u"lblName(2)"), u"Текстът на lblName(2) не се побира.");
    EXPECT_EQ(messages::UnlistedProblems(1, false), u"… и още 1 проблем.");
    EXPECT_EQ(messages::UnlistedProblems(235, false), u"… и още 235 проблема.");
    EXPECT_EQ(messages::UnlistedProblems(1, true), u"… и още поне 1 проблема.");
    EXPECT_EQ(messages::UnlistedProblems(1000, true), u"… и още поне 1000 проблема.");
}

}  // namespace
}  // namespace tremaro
