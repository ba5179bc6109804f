#include "core/save_backup.h"

#include "core/view_text.h"
#include "platform/file_ops.h"

#include <optional>
#include <variant>

namespace tremaro {
namespace {

std::string SavedLine(const std::string& formFileName) {
    return "Записан е файл " + formFileName + ".\r\n";
}

std::string NotSavedLine(const std::string& formFileName) {
    return "Файлът " + formFileName + " не е записан.\r\n";
}

std::string RenameFailedMessage(const std::string& formFileName, const std::string& backupName) {
    return "Файлът " + formFileName + " не е записан: не може да бъде преименуван на " + backupName + ".";
}

std::string RenamedLine(const std::string& backupName) {
    return "Оригиналният файл е преименуван на " + backupName + ".";
}

constexpr const char* kNoOriginalLine = "Няма оригинален файл за преименуване.";

bool WriteView(const std::string& bytes, const std::string& path, std::optional<FileMode> permissions) {
    return WriteFileAtomically(path, bytes, permissions);
}

SaveOutcome Report(OperatorPort& port, SaveOutcome outcome, const std::string& message) {
    port.ShowMessage(message, MessageButtons::Ok);
    return outcome;
}

// The backup is a second name for the form file, so the form file stays where it is until
// the new text replaces it in one step: at no moment is it missing or half written.
SaveOutcome SaveBesideBackup(const std::string& bytes, const std::string& formFileName, const std::string& backupName,
                             OperatorPort& port, std::optional<FileMode> permissions) {
    if (WriteView(bytes, formFileName, permissions))
        return Report(port, SaveOutcome::RenamedAndWritten, SavedLine(formFileName) + RenamedLine(backupName));
    // The backup name goes only while the form file still is the original under its own
    // name; otherwise the backup is where the original now lives.
    const bool originalInPlace = IsSameFile(formFileName, backupName) && RemoveFile(backupName);
    return Report(port, SaveOutcome::WriteFailed,
                  NotSavedLine(formFileName) +
                      (originalInPlace ? std::string("Оригиналният файл е запазен непроменен.") : RenamedLine(backupName)));
}

// Where the file system has no hard links the form file really moves to its backup name,
// and a failed write moves it back.
SaveOutcome SaveAfterRename(const std::string& bytes, const std::string& formFileName, const std::string& backupName,
                            OperatorPort& port, std::optional<FileMode> permissions) {
    if (WriteView(bytes, formFileName, permissions))
        return Report(port, SaveOutcome::RenamedAndWritten, SavedLine(formFileName) + RenamedLine(backupName));
    const bool undone = RenameFile(backupName, formFileName) == RenameResult::Renamed;
    return Report(port, SaveOutcome::WriteFailed,
                  NotSavedLine(formFileName) +
                      (undone ? std::string("Оригиналният файл е запазен непроменен.") : RenamedLine(backupName)));
}

SaveOutcome SaveOverKeptBackup(const std::string& bytes, const std::string& formFileName, const std::string& backupName,
                               OperatorPort& port, std::optional<FileMode> permissions) {
    if (WriteView(bytes, formFileName, permissions))
        return Report(port, SaveOutcome::BackupKeptAndWritten,
                      SavedLine(formFileName) + "Резервният файл " + backupName +
                          " вече съществува и е оставен без промяна.");
    return Report(port, SaveOutcome::WriteFailed,
                  NotSavedLine(formFileName) + "Оригиналният файл е запазен непроменен.");
}

SaveOutcome SaveWithoutOriginal(const std::string& bytes, const std::string& formFileName, OperatorPort& port) {
    if (WriteView(bytes, formFileName, std::nullopt))
        return Report(port, SaveOutcome::NoOriginalAndWritten, SavedLine(formFileName) + kNoOriginalLine);
    return Report(port, SaveOutcome::WriteFailed, NotSavedLine(formFileName) + kNoOriginalLine);
}

// Something stands under the backup name already: an earlier backup is kept as it is and
// the form file written over; anything but a plain file there stops the save.
SaveOutcome SaveBesideExistingName(const std::string& bytes, const std::string& formFileName, const std::string& backupName,
                                   OperatorPort& port, std::optional<FileMode> permissions) {
    if (KindOfPath(backupName) == PathKind::PlainFile)
        return SaveOverKeptBackup(bytes, formFileName, backupName, port, permissions);
    return Report(port, SaveOutcome::RenameFailed, RenameFailedMessage(formFileName, backupName));
}

}  // namespace

bool IsSaved(SaveOutcome outcome) {
    return outcome == SaveOutcome::RenamedAndWritten || outcome == SaveOutcome::BackupKeptAndWritten ||
           outcome == SaveOutcome::NoOriginalAndWritten;
}

std::string BackupNameFor(const std::string& formFileName) {
#ifdef _WIN32
    const auto nameStart = formFileName.find_last_of("/\\") + 1;
#else
    const auto nameStart = formFileName.rfind('/') + 1;  // npos + 1 is 0: no folder
#endif
    const auto dot = formFileName.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        return formFileName + ".bak";
    return formFileName.substr(0, dot + 1) + "bak";
}

SaveOutcome SaveWithBackup(const std::string& formFileName, OperatorPort& port) {
    if (formFileName.empty())
        return Report(port, SaveOutcome::NothingToSave, "Няма форма за записване.");
    if (port.ShowMessage("Записва файл: " + formFileName, MessageButtons::OkCancel) != PressedButton::Ok)
        return SaveOutcome::Cancelled;
    const auto encoded = EncodeViewText(port.ViewTextToSave());
    if (const auto* found = std::get_if<UnsavableCharacter>(&encoded))
        return Report(port, SaveOutcome::UnsavableCharacter, UnsavableCharacterMessage(formFileName, *found));
    const std::string& bytes = std::get<std::string>(encoded);

    const std::string backupName = BackupNameFor(formFileName);
    const auto permissions = PermissionsOf(formFileName);
    // A form named like its own backup (form1.bak) would be written over with no backup
    // left, and a folder under the form's name is nothing to save over.
    if (backupName == formFileName || KindOfPath(formFileName) == PathKind::Folder)
        return Report(port, SaveOutcome::RenameFailed, RenameFailedMessage(formFileName, backupName));

    switch (LinkFile(formFileName, backupName)) {
    case LinkResult::Linked:
        return SaveBesideBackup(bytes, formFileName, backupName, port, permissions);
    case LinkResult::TargetExists:
        return SaveBesideExistingName(bytes, formFileName, backupName, port, permissions);
    case LinkResult::SourceMissing:
        return SaveWithoutOriginal(bytes, formFileName, port);
    case LinkResult::Unsupported:
        break;
    case LinkResult::Failed:
        return Report(port, SaveOutcome::RenameFailed, RenameFailedMessage(formFileName, backupName));
    }

    switch (RenameFile(formFileName, backupName)) {
    case RenameResult::Renamed:
        return SaveAfterRename(bytes, formFileName, backupName, port, permissions);
    case RenameResult::TargetExists:
        return SaveBesideExistingName(bytes, formFileName, backupName, port, permissions);
    case RenameResult::SourceMissing:
        return SaveWithoutOriginal(bytes, formFileName, port);
    case RenameResult::Failed:
        break;
    }
    return Report(port, SaveOutcome::RenameFailed, RenameFailedMessage(formFileName, backupName));
}

}  // namespace tremaro
