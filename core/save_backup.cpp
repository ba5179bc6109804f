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

// The extensions of the designer's form files, whose backups would share a name.
constexpr std::string_view kFormExtensions[] = {"frm", "ctl", "dob", "pag"};

// A backup name followed by 1 to this many is tried before the save gives up.
constexpr int kMostNumberedBackups = 999;

bool EqualIgnoringLetterCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Where a name's extension begins (its last dot), or npos for a name that has none; the
// dot of a hidden file's name (".hidden") begins no extension.
std::size_t ExtensionDot(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == 0 ? std::string_view::npos : dot;
}

bool IsFormExtension(std::string_view extension) {
    return std::any_of(std::begin(kFormExtensions), std::end(kFormExtensions),
                       [&](std::string_view form) { return EqualIgnoringLetterCase(extension, form); });
}

// Another form file beside this one whose base name is this one's, in any case of letters.
// A file named like a backup is none of them: it is refused, whatever stands beside it.
bool SharesItsBaseName(const std::string& formFileName) {
    const std::string_view name = std::string_view(formFileName).substr(formFileName.rfind('/') + 1);
    const auto ownDot = ExtensionDot(name);
    if (ownDot != std::string::npos && EqualIgnoringLetterCase(name.substr(ownDot + 1), "bak"))
        return false;
    const std::string_view base = name.substr(0, ownDot);
    for (const std::string& other : NamesBeside(formFileName)) {
        const auto dot = ExtensionDot(other);
        if (other != name && dot != std::string::npos && IsFormExtension(std::string_view(other).substr(dot + 1)) &&
            EqualIgnoringLetterCase(std::string_view(other).substr(0, dot), base))
            return true;
    }
    return false;
}

std::string NumberedBackupName(const std::string& backupName, int number) {
    return number == 0 ? backupName : backupName + std::to_string(number);
}

std::string WithOwnerNote(std::string report, bool ownerKept) {
    if (!ownerKept)
        report += std::string("\r\n") + messages::kOwnerNotKept;
    return report;
}

// Where the form file and its backup are: the name the operator gave (the backup is named
// after it), and the file a symbolic link there leads to (which gets the new text).
struct SavePaths {
    std::string formFileName;
    std::string target;
    std::string backupName;
};

// A backup this save has just put in place, by its name and its state then.
struct MadeBackup {
    std::string name;
    std::optional<FileState> state;
};

bool SameFile(const FileRead& a, const FileRead& b) {
    return a.State() == b.State() && a.bytes == b.bytes;
}

// One save of the view's bytes over the form file: each attempt reads the form file again
// and either ends the save or, when the form changed between that read and the rename,
// asks the operator whether to try again over the change.
class FormSave {
public:
    FormSave(const std::string& formFileName, std::string bytes, const FileRead& known, OperatorPort& port)
        : formFileName_(formFileName), bytes_(std::move(bytes)), known_(known), port_(port),
          backupName_(BackupNameFor(formFileName)) {}

    SaveOutcome Run(FileRead* saved) {
        for (;;) {
            if (const std::optional<SaveOutcome> outcome = Attempt()) {
                if (saved && IsSaved(*outcome)) {
                    saved->bytes = std::move(bytes_);
                    saved->info = written_;
                }
                return *outcome;
            }
            if (!AcceptsChange())
                return SaveOutcome::ChangedByAnotherProgram;
        }
    }

private:
    SaveOutcome Report(SaveOutcome outcome, const std::string& message) {
        port_.ShowMessage(message, MessageButtons::Ok);
        return outcome;
    }

    SaveOutcome BackupRefused(const std::string& backupName) {
        return Report(SaveOutcome::BackupFailed, messages::BackupRefused(formFileName_, backupName));
    }

    // Whether the operator will have the form written over a change another program made.
    bool AcceptsChange() {
        changeAccepted_ =
            port_.ShowMessage(messages::ChangedSinceRead(formFileName_), MessageButtons::OkCancel) == PressedButton::Ok;
        return changeAccepted_;
    }

    // An end of the save, or none when the form changed before it could be replaced.
    std::optional<SaveOutcome> Attempt() {
        const SavePaths paths{formFileName_, FinalTarget(formFileName_), backupName_};
        if (EqualIgnoringLetterCase(paths.backupName, paths.formFileName) ||
            KindOfPath(paths.target) == PathKind::Folder)
            return BackupRefused(paths.backupName);
        if (KindOfPath(paths.target) == PathKind::PlainFile && !IsWritable(paths.target))
            return Report(SaveOutcome::ReadOnly, messages::ReadOnly(formFileName_));
        FileRead found;
        switch (ReadWholeFile(paths.target, found)) {
        case ReadStatus::Read:
            break;
        case ReadStatus::Missing:
            return SaveWithoutOriginal(paths);
        case ReadStatus::ChangedWhileRead:
            return Report(SaveOutcome::ChangedWhileChecked, messages::ChangedWhileRead(formFileName_));
        case ReadStatus::CannotRead:
        case ReadStatus::TooLarge:
            return BackupRefused(paths.backupName);
        }
        if (LeadsToItsOwnBackup(paths, found))
            return BackupRefused(paths.backupName);
        if (!changeAccepted_ && !SameFile(found, known_) && !AcceptsChange())
            return SaveOutcome::ChangedByAnotherProgram;
        return changeAccepted_ ? SaveBesideFreeBackupName(paths, found) : SaveBesideBackup(paths, found);
    }

    // Saved through a link that leads to its own backup name, the new text would go into
    // the backup, and the old form would be left nowhere.
    static bool LeadsToItsOwnBackup(const SavePaths& paths, const FileRead& found) {
        const auto backup = StateAt(paths.backupName);
        return backup && backup->device == found.info.st_dev && backup->inode == found.info.st_ino;
    }

    // The form as it was read goes to the backup name; a backup there already is kept.
    std::optional<SaveOutcome> SaveBesideBackup(const SavePaths& paths, const FileRead& found) {
        const CopyOutcome copy = CopyToNewName(found, paths.target, paths.backupName);
        switch (copy.result) {
        case CopyResult::Copied:
            return WriteOver(paths, found, MadeBackup{paths.backupName, StateAt(paths.backupName)}, copy.ownerKept,
                             messages::OriginalKeptAs(paths.backupName));
        case CopyResult::TargetExists:
            if (KindOfPath(paths.backupName) == PathKind::PlainFile)
                return WriteOver(paths, found, std::nullopt, true, messages::OlderBackupKept(paths.backupName));
            break;
        case CopyResult::Failed:
            break;
        }
        return BackupRefused(paths.backupName);
    }

    // A form another program changed goes whole to a backup, never in an older one's place.
    std::optional<SaveOutcome> SaveBesideFreeBackupName(const SavePaths& paths, const FileRead& found) {
        std::string name;
        for (int number = 0; number <= kMostNumberedBackups; ++number) {
            name = NumberedBackupName(paths.backupName, number);
            const CopyOutcome copy = CopyToNewName(found, paths.target, name);
            if (copy.result == CopyResult::Copied)
                return WriteOver(paths, found, MadeBackup{name, StateAt(name)}, copy.ownerKept,
                                 messages::OriginalKeptAs(name));
            if (copy.result == CopyResult::Failed)
                break;
        }
        return BackupRefused(name);
    }

    std::optional<SaveOutcome> WriteOver(const SavePaths& paths, const FileRead& found,
                                         const std::optional<MadeBackup>& made, bool backupOwnerKept,
                                         const std::string& backupReport) {
        const ReplaceOutcome replaced = ReplaceFile(paths.target, bytes_, &found);
        switch (replaced.result) {
        case ReplaceResult::Replaced:
            written_ = replaced.written;
            return Report(
                made ? SaveOutcome::BackedUpAndWritten : SaveOutcome::BackupKeptAndWritten,
                WithOwnerNote(messages::Saved(formFileName_) + backupReport, backupOwnerKept && replaced.ownerKept));
        case ReplaceResult::ChangedMeanwhile:
            if (made)
                RemoveIfUnchanged(*made);
            return std::nullopt;
        case ReplaceResult::Failed:
            break;
        }
        return Report(SaveOutcome::WriteFailed,
                      messages::NotSaved(formFileName_) +
                          (made ? AfterFailedWrite(paths, found, *made) : messages::kOriginalUnchanged));
    }

    std::optional<SaveOutcome> SaveWithoutOriginal(const SavePaths& paths) {
        const ReplaceOutcome replaced = ReplaceFile(paths.target, bytes_, nullptr);
        switch (replaced.result) {
        case ReplaceResult::Replaced:
            written_ = replaced.written;
            return Report(SaveOutcome::NoOriginalAndWritten, messages::Saved(formFileName_) + messages::kNoOriginal);
        case ReplaceResult::ChangedMeanwhile:
            return std::nullopt;
        case ReplaceResult::Failed:
            break;
        }
        return Report(SaveOutcome::WriteFailed, messages::NotSaved(formFileName_) + messages::kNoOriginal);
    }

    // A failed write leaves the form file as it was, so the copy just made is not needed; it
    // goes, unless the form file itself has gone or been replaced meanwhile, in which case the
    // copy is where the original now lives. What another program put under the backup name
    // meanwhile is not this save's copy and is left alone.
    static std::string AfterFailedWrite(const SavePaths& paths, const FileRead& found, const MadeBackup& made) {
        if (StateAt(paths.target) != found.State())
            return messages::OriginalKeptAs(made.name);
        if (RemoveIfUnchanged(made))
            return messages::kOriginalUnchanged;
        return messages::CopyLeftBeside(made.name);
    }

    // True unless the copy is still there and could not be removed.
    static bool RemoveIfUnchanged(const MadeBackup& made) {
        return !made.state || StateAt(made.name) != made.state || RemoveFile(made.name);
    }

    const std::string& formFileName_;
    std::string bytes_;
    const FileRead& known_;
    OperatorPort& port_;
    const std::string backupName_;
    bool changeAccepted_ = false;
    struct stat written_ {};  // the new form file's status, once written
};

}  // namespace

bool IsSaved(SaveOutcome outcome) {
    return outcome == SaveOutcome::BackedUpAndWritten || outcome == SaveOutcome::BackupKeptAndWritten ||
           outcome == SaveOutcome::NoOriginalAndWritten;
}

std::string BackupNameFor(const std::string& formFileName) {
    if (SharesItsBaseName(formFileName))
        return formFileName + ".bak";
    const auto nameStart = formFileName.rfind('/') + 1;  // npos + 1 is 0: no folder
    const auto dot = ExtensionDot(std::string_view(formFileName).substr(nameStart));
    if (dot == std::string::npos)
        return formFileName + ".bak";
    return formFileName.substr(0, nameStart + dot + 1) + "bak";
}

SaveOutcome SaveWithBackup(const std::string& formFileName, const FileRead& known, OperatorPort& port,
                           CodePage codePage, FileRead* saved) {
    if (formFileName.empty()) {
        port.ShowMessage(messages::kNothingToSave, MessageButtons::Ok);
        return SaveOutcome::NothingToSave;
    }
    if (port.ShowMessage(messages::ConfirmSave(formFileName), MessageButtons::OkCancel) != PressedButton::Ok)
        return SaveOutcome::Cancelled;
    auto encoded = EncodeViewText(port.ViewTextToSave(), codePage);
    if (const auto* found = std::get_if<UnsavableCharacter>(&encoded)) {
        port.ShowMessage(UnsavableCharacterMessage(formFileName, *found, codePage), MessageButtons::Ok);
        return SaveOutcome::UnsavableCharacter;
    }
    return FormSave(formFileName, std::move(std::get<std::string>(encoded)), known, port).Run(saved);
}

}  // namespace tremaro
