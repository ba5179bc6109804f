#include "core/messages.h"

namespace tremaro::messages {
namespace {

std::u16string Widened(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

std::string CannotRead(const std::string& path) {
    return "Файлът " + path + " не може да бъде прочетен.";
}

std::string TooLarge(const std::string& path) {
    return "Файлът " + path + " е твърде голям: допустими са до 64 MB.";
}

std::string TooLong(const std::string& path) {
    return "Файлът " + path + " е твърде дълъг: допустими са до 32766 реда.";
}

std::string ChangedWhileRead(const std::string& path) {
    return "Файлът " + path + " се промени, докато се четеше; опитайте отново.";
}

const char* const kPercentRefused = "Недопустим процент на корекцията.\r\nДопустими стойности са от 20 до 500.";
const char* const kNoForm = "Няма форма за коригиране.";
const char* const kCorrectionFinished = "Край на корекцията.";
const char* const kBitmapSansSerifTooSmall =
    "MS Sans Serif не може да бъде по-малък от 8 pt на екрана; изберете TrueType шрифтове.";

std::string ValueOutOfRange(int line) {
    return "Стойността на ред " + std::to_string(line) + " е извън допустимия обхват.\r\nФормата не е променена.";
}

const char* const kNothingToSave = "Няма форма за записване.";

std::string ConfirmSave(const std::string& path) {
    return "Записва файл: " + path;
}

std::string ChangedSinceRead(const std::string& path) {
    return "Файлът " + path + " е променен от друга програма, след като е прочетен. Да се запише ли върху промените?";
}

std::string Saved(const std::string& path) {
    return "Записан е файл " + path + ".\r\n";
}

std::string NotSaved(const std::string& path) {
    return "Файлът " + path + " не е записан.\r\n";
}

// The operator knows the backup as the original renamed; it is a copy, made so that the
// form never leaves its name, and the words say where the original now lives.
std::string OriginalKeptAs(const std::string& backupName) {
    return "Оригиналният файл е преименуван на " + backupName + ".";
}

std::string OtherProgramsChangeKeptIn(const std::string& backupName) {
    return "Промените на другата програма са запазени в " + backupName + ".";
}

std::string OlderBackupKept(const std::string& backupName) {
    return "Резервният файл " + backupName + " вече съществува и е оставен без промяна.";
}

std::string CopyLeftBeside(const std::string& backupName) {
    return "Оригиналният файл е запазен непроменен, а копие от него остана като " + backupName + ".";
}

std::string ChangedAndNotSaved(const std::string& path) {
    return "Файлът " + path + " е променен от друга програма и не е записан.";
}

// A save whose form changed after it had made its backup leaves that backup: it is the only
// copy of the form as the save read it.
std::string VersionReadKeptAs(const std::string& backupName) {
    return "Файлът, какъвто беше прочетен преди промяната, остана като " + backupName + ".";
}

std::string LeadsElsewhere(const std::string& path, const std::string& target) {
    return "Файлът " + path + " не е записан: името вече води до " + target + ", а не до прочетения файл.";
}

const char* const kNoOriginal = "Няма оригинален файл за преименуване.";
const char* const kOriginalUnchanged = "Оригиналният файл е запазен непроменен.";
const char* const kOwnerNotKept = "Собственикът и групата на файла не можаха да бъдат запазени.";

std::string BackupRefused(const std::string& path, const std::string& backupName) {
    return "Файлът " + path + " не е записан: не може да бъде преименуван на " + backupName + ".";
}

std::string ReadOnly(const std::string& path) {
    return "Файлът " + path + " е само за четене и не е записан.";
}

std::string UnsavableCharacter(const std::string& path, const std::string& character, int line,
                               const std::string& codePage) {
    return "Файлът " + path + " не е записан: знакът " + character + " на ред " + std::to_string(line) +
           " не може да се запише в кодировка " + codePage + ".";
}

const char* const kDropUnsavedWork = "Формата е променена и не е записана. Да се продължи ли без запис?";

std::u16string ReachesOut(std::u16string_view control, std::u16string_view container) {
    std::u16string text(control);
    text += u" излиза извън ";
    text += container;
    text += u'.';
    return text;
}

std::u16string Overlaps(std::u16string_view control, std::u16string_view other) {
    std::u16string text(control);
    text += u" застъпва ";
    text += other;
    text += u'.';
    return text;
}

std::u16string TextDoesNotFit(std::u16string_view control) {
    std::u16string text(u"Текстът на ");
    text += control;
    text += u" не се побира.";
    return text;
}

std::u16string UnlistedProblems(std::size_t count, bool atLeast) {
    std::u16string note = atLeast ? u"… и още поне " : u"… и още ";
    note += Widened(std::to_string(count));
    note += count == 1 && !atLeast ? u" проблем." : u" проблема.";
    return note;
}

}  // namespace tremaro::messages
