#include "core/messages.h"

#include "platform/unicode.h"

namespace tremaro::messages {

Message CannotRead(const std::string& path) {
    return {MessageId::CannotRead, {path}};
}

Message TooLarge(const std::string& path) {
    return {MessageId::TooLarge, {path}};
}

Message TooLong(const std::string& path) {
    return {MessageId::TooLong, {path}};
}

Message ChangedWhileRead(const std::string& path) {
    return {MessageId::ChangedWhileRead, {path}};
}

Message PercentRefused() {
    return {MessageId::PercentRefused, {}};
}

Message NoForm() {
    return {MessageId::NoForm, {}};
}

Message CorrectionFinished() {
    return {MessageId::CorrectionFinished, {}};
}

Message BitmapSansSerifTooSmall() {
    return {MessageId::BitmapSansSerifTooSmall, {}};
}

Message ValueOutOfRange(int line) {
    return {MessageId::ValueOutOfRange, {std::to_string(line)}};
}

Message NothingToSave() {
    return {MessageId::NothingToSave, {}};
}

Message ConfirmSave(const std::string& path) {
    return {MessageId::ConfirmSave, {path}};
}

Message ChangedSinceRead(const std::string& path) {
    return {MessageId::ChangedSinceRead, {path}};
}

Message Saved(const std::string& path) {
    return {MessageId::Saved, {path}};
}

Message NotSaved(const std::string& path) {
    return {MessageId::NotSaved, {path}};
}

Message OriginalKeptAs(const std::string& backupName) {
    return {MessageId::OriginalKeptAs, {backupName}};
}

Message OtherProgramsChangeKeptIn(const std::string& backupName) {
    return {MessageId::OtherProgramsChangeKeptIn, {backupName}};
}

Message OlderBackupKept(const std::string& backupName) {
    return {MessageId::OlderBackupKept, {backupName}};
}

Message CopyLeftBeside(const std::string& backupName) {
    return {MessageId::CopyLeftBeside, {backupName}};
}

Message ChangedAndNotSaved(const std::string& path) {
    return {MessageId::ChangedAndNotSaved, {path}};
}

Message VersionReadKeptAs(const std::string& backupName) {
    return {MessageId::VersionReadKeptAs, {backupName}};
}

Message LeadsElsewhere(const std::string& path, const std::string& target) {
    return {MessageId::LeadsElsewhere, {path, target}};
}

Message NoOriginal() {
    return {MessageId::NoOriginal, {}};
}

Message OriginalUnchanged() {
    return {MessageId::OriginalUnchanged, {}};
}

Message OwnerNotKept() {
    return {MessageId::OwnerNotKept, {}};
}

Message BackupRefused(const std::string& path, const std::string& backupName) {
    return {MessageId::BackupRefused, {path, backupName}};
}

Message ReadOnly(const std::string& path) {
    return {MessageId::ReadOnly, {path}};
}

Message UnsavableCharacter(const std::string& path, const std::string& character, int line,
                           const std::string& codePage) {
    return {MessageId::UnsavableCharacter, {path, character, std::to_string(line), codePage}};
}

Message DropUnsavedWork() {
    return {MessageId::DropUnsavedWork, {}};
}

Message ReachesOut(std::u16string_view control, std::u16string_view container) {
    return {MessageId::ReachesOut, {Utf16ToUtf8(control), Utf16ToUtf8(container)}};
}

Message Overlaps(std::u16string_view control, std::u16string_view other) {
    return {MessageId::Overlaps, {Utf16ToUtf8(control), Utf16ToUtf8(other)}};
}

Message TextDoesNotFit(std::u16string_view control) {
    return {MessageId::TextDoesNotFit, {Utf16ToUtf8(control)}};
}

Message UnlistedProblems(std::size_t count, bool atLeast) {
    return {atLeast ? MessageId::AtLeastUnlistedProblems : MessageId::UnlistedProblems, {std::to_string(count)}, count};
}

}  // namespace tremaro::messages
