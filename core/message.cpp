#include "core/message.h"

#include "platform/translation.h"

namespace tremaro {
namespace {

// A message's lines are LF here, as the catalogues keep them, and CR LF in a message box.
std::string WithMessageBoxBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    for (const char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

// The plural form of a message that counts, in the operator's language.
const char* CountingPattern(MessageId id, unsigned long count) {
    if (id == MessageId::UnlistedProblems)
        return TranslatedPlural("… и още %1 проблем.", "… и още %1 проблема.", count);
    // "at least one" counts as many in Bulgarian.
    return TranslatedPlural("… и още поне %1 проблема.", "… и още поне %1 проблема.", count);
}

bool Counts(MessageId id) {
    return id == MessageId::UnlistedProblems || id == MessageId::AtLeastUnlistedProblems;
}

}  // namespace

const char* PatternOf(MessageId id) {
    switch (id) {
    case MessageId::CannotRead:
        return Translatable("Файлът %1 не може да бъде прочетен.");
    case MessageId::TooLarge:
        return Translatable("Файлът %1 е твърде голям: допустими са до 64 MB.");
    case MessageId::TooLong:
        return Translatable("Файлът %1 е твърде дълъг: допустими са до 32766 реда.");
    case MessageId::ChangedWhileRead:
        return Translatable("Файлът %1 се промени, докато се четеше; опитайте отново.");
    case MessageId::PercentRefused:
        return Translatable("Недопустим процент на корекцията.\nДопустими стойности са от 20 до 500.");
    case MessageId::NoForm:
        return Translatable("Няма форма за коригиране.");
    case MessageId::CorrectionFinished:
        return Translatable("Край на корекцията.");
    case MessageId::BitmapSansSerifTooSmall:
        return Translatable("MS Sans Serif не може да бъде по-малък от 8 pt на екрана; изберете TrueType шрифтове.");
    case MessageId::ValueOutOfRange:
        return Translatable("Стойността на ред %1 е извън допустимия обхват.\nФормата не е променена.");
    case MessageId::NothingToSave:
        return Translatable("Няма форма за записване.");
    case MessageId::ConfirmSave:
        return Translatable("Записва файл: %1");
    case MessageId::ChangedSinceRead:
        return Translatable(
            "Файлът %1 е променен от друга програма, след като е прочетен. Да се запише ли върху промените?");
    case MessageId::Saved:
        return Translatable("Записан е файл %1.");
    case MessageId::NotSaved:
        return Translatable("Файлът %1 не е записан.");
    // The operator knows the backup as the original renamed; it is a copy, made so that the
    // form never leaves its name, and the words say where the original now lives.
    case MessageId::OriginalKeptAs:
        return Translatable("Оригиналният файл е преименуван на %1.");
    case MessageId::OtherProgramsChangeKeptIn:
        return Translatable("Промените на другата програма са запазени в %1.");
    case MessageId::OlderBackupKept:
        return Translatable("Резервният файл %1 вече съществува и е оставен без промяна.");
    case MessageId::CopyLeftBeside:
        return Translatable("Оригиналният файл е запазен непроменен, а копие от него остана като %1.");
    case MessageId::ChangedAndNotSaved:
        return Translatable("Файлът %1 е променен от друга програма и не е записан.");
    // A save whose form changed after it had made its backup leaves that backup: it is the
    // only copy of the form as the save read it.
    case MessageId::VersionReadKeptAs:
        return Translatable("Файлът, какъвто беше прочетен преди промяната, остана като %1.");
    case MessageId::LeadsElsewhere:
        return Translatable("Файлът %1 не е записан: името вече води до %2, а не до прочетения файл.");
    case MessageId::NoOriginal:
        return Translatable("Няма оригинален файл за преименуване.");
    case MessageId::OriginalUnchanged:
        return Translatable("Оригиналният файл е запазен непроменен.");
    case MessageId::OwnerNotKept:
        return Translatable("Собственикът и групата на файла не можаха да бъдат запазени.");
    case MessageId::BackupRefused:
        return Translatable("Файлът %1 не е записан: не може да бъде преименуван на %2.");
    case MessageId::ReadOnly:
        return Translatable("Файлът %1 е само за четене и не е записан.");
    case MessageId::UnsavableCharacter:
        return Translatable("Файлът %1 не е записан: знакът %2 на ред %3 не може да се запише в кодировка %4.");
    case MessageId::DropUnsavedWork:
        return Translatable("Формата е променена и не е записана. Да се продължи ли без запис?");
    case MessageId::ReachesOut:
        return Translatable("%1 излиза извън %2.");
    case MessageId::Overlaps:
        return Translatable("%1 застъпва %2.");
    case MessageId::TextDoesNotFit:
        return Translatable("Текстът на %1 не се побира.");
    case MessageId::UnlistedProblems:
        return "… и още %1 проблема.";
    case MessageId::AtLeastUnlistedProblems:
        return "… и още поне %1 проблема.";
    }
    return "";
}

std::string TextOf(const Message& message) {
    const char* pattern =
        Counts(message.id) ? CountingPattern(message.id, message.count) : Translated(PatternOf(message.id));
    // The sentence's own lines break as a message box breaks them; what fills it (a file's
    // name may hold an LF) goes in as it is.
    return Filled(WithMessageBoxBreaks(pattern), message.arguments);
}

std::string TextOf(const MessageLines& lines) {
    std::string text;
    for (const Message& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += TextOf(line);
    }
    return text;
}

}  // namespace tremaro
