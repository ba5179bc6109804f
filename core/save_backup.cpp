#include "core/save_backup.h"

#include "core/messages.h"
#include "core/view_text.h"
#include "platform/file_ops.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <variant>

namespace tremaro {
namespace {

SaveOutcome Report(OperatorPort& port, SaveOutcome outcome, const std::string& message) {
    port.ShowMessage(message, MessageButtons::Ok);
    return outcome;
}

// Where the form file and its backup are: the name the operator gave (the backup is made
// from it), the file a symbolic link there leads to (which gets the new text), and that
// file as it was before the save.
struct SavePaths {
    std::string formFileName;
    std::string target;
    std::string backupName;
    std::optional<FileIdentity> original;
};

// A failed write leaves the form file as it was, so the copy just made is not needed; it
// goes, unless the form file itself has gone or been replaced meanwhile, in which case the
// copy is where the original now lives. What another program put under the backup name
// meanwhile is not this save's copy and is left alone.
std::string AfterFailedWrite(const SavePaths& paths, const std::optional<FileIdentity>& madeBackup) {
    if (!paths.original || IdentityOf(paths.target) != paths.original)
        return messages::OriginalKeptAs(paths.backupName);
    if (!madeBackup || IdentityOf(paths.backupName) != madeBackup || RemoveFile(paths.backupName))
        return messages::kOriginalUnchanged;
    return messages::CopyLeftBeside(paths.backupName);
}

SaveOutcome SaveBesideNewBackup(const std::string& bytes, const SavePaths& paths, OperatorPort& port) {
    const auto madeBackup = IdentityOf(paths.backupName);
    if (ReplaceFile(paths.target, bytes))
        return Report(port, SaveOutcome::BackedUpAndWritten,
                      messages::Saved(paths.formFileName) + messages::OriginalKeptAs(paths.backupName));
    return Report(port, SaveOutcome::WriteFailed,
                  messages::NotSaved(paths.formFileName) + AfterFailedWrite(paths, madeBackup));
}

SaveOutcome SaveOverKeptBackup(const std::string& bytes, const SavePaths& paths, OperatorPort& port) {
    if (ReplaceFile(paths.target, bytes))
        return Report(port, SaveOutcome::BackupKeptAndWritten,
                      messages::Saved(paths.formFileName) + messages::OlderBackupKept(paths.backupName));
    return Report(port, SaveOutcome::WriteFailed,
                  messages::NotSaved(paths.formFileName) + messages::kOriginalUnchanged);
}

SaveOutcome SaveWithoutOriginal(const std::string& bytes, const SavePaths& paths, OperatorPort& port) {
    if (ReplaceFile(paths.target, bytes))
        return Report(port, SaveOutcome::NoOriginalAndWritten,
                      messages::Saved(paths.formFileName) + messages::kNoOriginal);
    return Report(port, SaveOutcome::WriteFailed, messages::NotSaved(paths.formFileName) + messages::kNoOriginal);
}

SaveOutcome BackupRefused(const SavePaths& paths, OperatorPort& port) {
    return Report(port, SaveOutcome::BackupFailed, messages::BackupRefused(paths.formFileName, paths.backupName));
}

// Something stands under the backup name already: an earlier backup is kept as it is and
// the form file written over; anything but a plain file there stops the save.
SaveOutcome SaveBesideExistingName(const std::string& bytes, const SavePaths& paths, OperatorPort& port) {
    if (KindOfPath(paths.backupName) == PathKind::PlainFile)
        return SaveOverKeptBackup(bytes, paths, port);
    return BackupRefused(paths, port);
}

bool EqualIgnoringLetterCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// A form named like its own backup (form1.bak), or leading there through a link, would be
// written over with no backup left. The names are compared without regard to letter case: on
// FAT and exFAT Form1.BAK and Form1.bak are one file, though each name can show an inode
// number of its own.
bool FormIsItsOwnBackup(const SavePaths& paths) {
    return EqualIgnoringLetterCase(paths.backupName, paths.formFileName) ||
           (paths.original && IdentityOf(paths.backupName) == paths.original);
}

// A folder under the form's name is nothing to save over, and nothing to copy to a backup.
bool FormIsAFolder(const SavePaths& paths) {
    return KindOfPath(paths.target) == PathKind::Folder;
}

SaveOutcome SaveBytes(const std::string& bytes, const SavePaths& paths, OperatorPort& port) {
    if (FormIsItsOwnBackup(paths) || FormIsAFolder(paths))
        return BackupRefused(paths, port);
    if (KindOfPath(paths.target) == PathKind::PlainFile && !IsWritable(paths.target))
        return Report(port, SaveOutcome::ReadOnly, messages::ReadOnly(paths.formFileName));
    switch (CopyToNewName(paths.formFileName, paths.backupName)) {
    case CopyResult::Copied:
        return SaveBesideNewBackup(bytes, paths, port);
    case CopyResult::TargetExists:
        return SaveBesideExistingName(bytes, paths, port);
    case CopyResult::SourceMissing:
        return SaveWithoutOriginal(bytes, paths, port);
    case CopyResult::Failed:
        break;
    }
    return BackupRefused(paths, port);
}

}  // namespace

bool IsSaved(SaveOutcome outcome) {
    return outcome == SaveOutcome::BackedUpAndWritten || outcome == SaveOutcome::BackupKeptAndWritten ||
           outcome == SaveOutcome::NoOriginalAndWritten;
}

std::string BackupNameFor(const std::string& formFileName) {
    const auto nameStart = formFileName.rfind('/') + 1;  // npos + 1 is 0: no folder
    const auto dot = formFileName.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        return formFileName + ".bak";
    return formFileName.substr(0, dot + 1) + "bak";
}

SaveOutcome SaveWithBackup(const std::string& formFileName, OperatorPort& port, CodePage codePage) {
    if (formFileName.empty())
        return Report(port, SaveOutcome::NothingToSave, messages::kNothingToSave);
    if (port.ShowMessage(messages::ConfirmSave(formFileName), MessageButtons::OkCancel) != PressedButton::Ok)
        return SaveOutcome::Cancelled;
    const auto encoded = EncodeViewText(port.ViewTextToSave(), codePage);
    if (const auto* found = std::get_if<UnsavableCharacter>(&encoded))
        return Report(port, SaveOutcome::UnsavableCharacter, UnsavableCharacterMessage(formFileName, *found, codePage));

    const std::string target = FinalTarget(formFileName);
    return SaveBytes(std::get<std::string>(encoded),
                     {formFileName, target, BackupNameFor(formFileName), IdentityOf(target)}, port);
}

}  // namespace tremaro
