#include "core/save_backup.h"

#include "core/messages.h"
#include "core/view_text.h"
#include "platform/file_ops.h"
#include "platform/folder_lock.h"

#include <algorithm>
#include <memory>
#include <cctype>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace tremaro {
namespace {

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

// A backup's name ends in "bak", or "bak" and the number of a backup made beside an older one.
bool IsBackupName(std::string_view name) {
    const auto dot = ExtensionDot(name);
    if (dot == std::string_view::npos || name.size() < dot + 4 ||
        !EqualIgnoringLetterCase(name.substr(dot + 1, 3), "bak"))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 4, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// X.frm, X.ctl and X alike give X.bak.
std::string ShortBackupName(std::string_view name) {
    const auto dot = ExtensionDot(name);
    return std::string(name.substr(0, dot == std::string_view::npos ? name.size() : dot)) + ".bak";
}

std::string LongBackupName(std::string_view name) {
    return std::string(name) + ".bak";
}

// Whether other's short backup name (its name up to its extension, and ".bak") or its long
// one (its whole name and ".bak") is, in any case of letters, stem and ".bak". Compared in
// place: a batch asks this of every name in the folder for each of its forms.
bool WouldTakeBackupName(std::string_view other, std::string_view stem) {
    const auto dot = ExtensionDot(other);
    return EqualIgnoringLetterCase(other.substr(0, dot == std::string_view::npos ? other.size() : dot), stem) ||
           EqualIgnoringLetterCase(other, stem);
}

// Whether another file listed beside name, that is no backup itself, could take the short
// backup name of name, as its own short or long one.
bool ShortNameWouldBeShared(std::string_view name, const std::vector<std::string>& namesInFolder) {
    const auto dot = ExtensionDot(name);
    const std::string_view stem = name.substr(0, dot == std::string_view::npos ? name.size() : dot);
    return std::any_of(namesInFolder.begin(), namesInFolder.end(), [&](const std::string& other) {
        return WouldTakeBackupName(other, stem) && other != name && !IsBackupName(other);
    });
}

std::string NumberedBackupName(const std::string& backupName, int number) {
    return number == 0 ? backupName : backupName + std::to_string(number);
}

MessageLines WithOwnerNote(MessageLines report, bool ownerKept) {
    if (!ownerKept)
        report.push_back(messages::OwnerNotKept());
    return report;
}

// Where the form file and its backup are: the name the operator gave, spelled as the folder
// lists it (the backup is named after it), and the file a symbolic link there leads to
// (which gets the new text).
struct SavePaths {
    std::string formFileName;
    std::string target;
    std::string backupName;
    bool ThroughLink() const { return target != formFileName; }
};

// A backup this save has just put in place, by its name and its state then, and whether it is
// the form's own file under a second name rather than a copy.
struct MadeBackup {
    std::string name;
    std::optional<FileState> state;
    bool linked = false;
};

std::string_view LastName(std::string_view path) {
    return path.substr(path.rfind('/') + 1);  // npos + 1 is 0: no folder
}

bool SameIdentity(const std::optional<FileState>& a, const std::optional<FileState>& b) {
    return a && b && a->device == b->device && a->inode == b->inode;
}

// What became of a backup that is the form's own file, where the form was not replaced.
enum class LinkedBackupLeft {
    Nothing,            // removed, or no longer this save's: another program's file is there
    TheFileRead,        // the form's name leads to another file now; this is the one read
    ASecondNameOfForm,  // the form's name still leads to it, and it could not be removed
};

// While the form's name still leads to the backup's file, the backup adds nothing (a change
// written into the form is in it too), and it goes.
LinkedBackupLeft TakeAwayLinkedBackup(const std::string& target, const MadeBackup& made) {
    const auto backup = StateAt(made.name);
    if (!SameIdentity(backup, made.state))
        return LinkedBackupLeft::Nothing;
    if (!SameIdentity(StateAt(target), backup))
        return LinkedBackupLeft::TheFileRead;
    return RemoveFile(made.name) ? LinkedBackupLeft::Nothing : LinkedBackupLeft::ASecondNameOfForm;
}

bool SameFile(const FileRead& a, const FileRead& b) {
    return a.State() == b.State() && a.bytes == b.bytes;
}

bool SameIdentity(const FileRead& a, const FileRead& b) {
    return a.info.st_dev == b.info.st_dev && a.info.st_ino == b.info.st_ino;
}

// One save of the view's bytes over the form file: each attempt reads the form file again
// and either ends the save or, when the form is not as it was read, asks the operator
// whether to try again over the change. An attempt holds its folder's lock; the question is
// asked once it has let the lock go, so that a save waiting for its turn never waits on an
// operator.
//
// In a batch that is to tell it its end (ended), the first attempt stops once the backup and
// the new text are written beside their names, and waits for the batch's flush; the rest of
// the save (and any later attempt, which flushes its own files) runs when the batch puts the
// waiting saves in place.
class FormSave : public FolderBatch::Waiting {
public:
    FormSave(const std::string& formFileName, std::string bytes, const FileRead& known, OperatorPort& port,
             FileRead* saved, FolderBatch* batch, SaveEnded ended)
        : formFileName_(formFileName),
          listedName_(batch ? NameAsListedAmong(formFileName, batch->NamesBeside(formFileName))
                            : NameAsListed(formFileName)),
          bytes_(std::move(bytes)), known_(known), port_(port), saved_(saved), batch_(batch), ended_(std::move(ended)) {
    }

    // The save's outcome, or WaitsForBatch when its first attempt waits for the batch.
    SaveOutcome Run() { return GoOnFrom(Attempt()); }

    // The folder of the form whose files wait for the batch.
    std::string FolderWaitedIn() const { return FolderOf(staged_->paths.target); }

    void PutBackupInPlace(bool flushed) override {
        if (flushed)
            PutStagedBackupInPlace(*staged_);
        else
            ending_ = FlushFailed(*staged_);
    }

    void PutFormInPlace() override {
        Staged staged = std::move(*staged_);
        staged_.reset();
        const SaveOutcome outcome = GoOnFrom(ending_ ? ending_ : PutStagedFormInPlace(staged));
        ended_(outcome);
    }

private:
    // What replacing the form in a batch needs of its backup's step.
    struct FormStep {
        std::optional<MadeBackup> made;
        bool backupOwnerKept = true;
        Message backupReport{};
    };

    // The form's files as the first attempt of a save in a batch wrote them.
    struct Staged {
        SavePaths paths;
        FileRead found;
        bool backupNameFree = false;       // no older backup: this save makes one
        std::optional<StagedFile> backup;  // the copy, where the backup is one
        StagedFile form;
    };

    // From an attempt's end (or none, when the form is not as read) to the save's.
    SaveOutcome GoOnFrom(std::optional<SaveOutcome> outcome) {
        for (;;) {
            if (outcome) {
                if (saved_ && IsSaved(*outcome)) {
                    saved_->bytes = std::move(bytes_);
                    saved_->info = written_;
                }
                return *outcome;
            }
            if (!AcceptsChange())
                return copiesLeft_.empty() ? SaveOutcome::ChangedByAnotherProgram
                                           : Report(SaveOutcome::ChangedByAnotherProgram,
                                                    {messages::ChangedAndNotSaved(formFileName_)});
            outcome = Attempt();
        }
    }

    // Every report names the copies this save left behind: each is the only copy of the form
    // as one of its attempts read it.
    SaveOutcome Report(SaveOutcome outcome, MessageLines lines) {
        for (const std::string& name : copiesLeft_)
            lines.push_back(messages::VersionReadKeptAs(name));
        port_.ShowMessage(lines, MessageButtons::Ok);
        return outcome;
    }

    SaveOutcome BackupRefused(const std::string& backupName) {
        return Report(SaveOutcome::BackupFailed, {messages::BackupRefused(formFileName_, backupName)});
    }

    // Whether the operator will have the form written over a change another program made.
    bool AcceptsChange() {
        changeAccepted_ = port_.ShowMessage({messages::ChangedSinceRead(formFileName_)},
                                            MessageButtons::OkCancelDefaultCancel) == PressedButton::Ok;
        return changeAccepted_;
    }

    // An end of the save, or none when the form is not as it was read and the operator is to
    // be asked.
    std::optional<SaveOutcome> Attempt() {
        const SavePaths paths{
            listedName_, FinalTarget(listedName_),
            batch_ ? BackupNameAmong(listedName_, batch_->NamesBeside(listedName_)) : BackupNameFor(listedName_)};
        if (EqualIgnoringLetterCase(paths.backupName, paths.formFileName) ||
            KindOfPath(paths.target) == PathKind::Folder)
            return BackupRefused(paths.backupName);
        if (KindOfPath(paths.target) == PathKind::PlainFile && !IsWritable(paths.target))
            return Report(SaveOutcome::ReadOnly, {messages::ReadOnly(formFileName_)});
        std::optional<FolderLock> turn;
        if (!batch_ || !batch_->Holds(FolderOf(paths.target)))
            turn.emplace(FolderOf(paths.target));
        FileRead found;
        switch (ReadWholeFile(paths.target, found)) {
        case ReadStatus::Read:
            break;
        case ReadStatus::Missing:
            if (paths.ThroughLink())
                return LeadsElsewhere(paths);
            return SaveWithoutOriginal(paths);
        case ReadStatus::ChangedWhileRead:
            return Report(SaveOutcome::ChangedWhileChecked, {messages::ChangedWhileRead(formFileName_)});
        case ReadStatus::CannotRead:
        case ReadStatus::TooLarge:
            return BackupRefused(paths.backupName);
        }
        if (paths.ThroughLink() && known_.info.st_ino != 0 && !SameIdentity(found, known_))
            return LeadsElsewhere(paths);
        if (LeadsToItsOwnBackup(paths, found))
            return BackupRefused(paths.backupName);
        if (!changeAccepted_ && !SameFile(found, known_))
            return std::nullopt;
        return changeAccepted_ ? SaveBesideFreeBackupName(paths, found) : SaveBesideBackup(paths, found);
    }

    // A link now stands under the name that leads to a file other than the one read, or to
    // none: written through, the save would write over or make a file the operator never
    // read, perhaps one another user chose.
    SaveOutcome LeadsElsewhere(const SavePaths& paths) {
        return Report(SaveOutcome::LeadsElsewhere, {messages::LeadsElsewhere(formFileName_, paths.target)});
    }

    // Saved through a link that leads to its own backup name, the new text would go into
    // the backup, and the old form would be left nowhere. A file that is only shared between
    // the two names (a killed save leaves the form's file linked under its backup name) is no
    // such case: the new text replaces only the name the link leads to.
    static bool LeadsToItsOwnBackup(const SavePaths& paths, const FileRead& found) {
        if (!paths.ThroughLink())
            return false;
        const auto backup = StateAt(paths.backupName);
        if (!backup || backup->device != found.info.st_dev || backup->inode != found.info.st_ino)
            return false;
        const auto targetFolder = StateAt(FolderOf(paths.target));
        const auto backupFolder = StateAt(FolderOf(paths.backupName));
        if (!targetFolder || !backupFolder)
            return true;
        return SameIdentity(targetFolder, backupFolder) &&
               EqualIgnoringLetterCase(LastName(paths.target), LastName(paths.backupName));
    }

    // Whether this attempt writes its files for the batch to flush: the first, where the
    // batch holds the folders of both the form and its backup.
    bool WaitsForTheBatch(const SavePaths& paths) const {
        return batch_ && ended_ && !changeAccepted_ && batch_->Holds(FolderOf(paths.target)) &&
               batch_->Holds(FolderOf(paths.backupName));
    }

    // The form as it was read goes to the backup name, as the form's own file where it can;
    // a backup there already is kept. Where the new text can be written unnamed, it is written
    // and flushed first, so that the form's file takes its second name only when nothing but
    // the rename is left to fail: a name linked and taken away again changes the file's change
    // time, and the next save would take that for another program's change.
    std::optional<SaveOutcome> SaveBesideBackup(const SavePaths& paths, FileRead& found) {
        if (WaitsForTheBatch(paths))
            return Stage(paths, found);
        UnnamedReplacement written = WriteUnnamedReplacement(paths.target, bytes_, &found);
        if (!written.file && !written.unsupported)
            return Report(SaveOutcome::WriteFailed, {messages::NotSaved(formFileName_), messages::OriginalUnchanged()});
        StagedFile* const form = written.file ? &*written.file : nullptr;
        switch (LinkAsBackup(found, paths.target, paths.backupName)) {
        case LinkResult::Linked:
            return WriteOver(paths, found, MadeBackup{paths.backupName, StateAt(paths.backupName), true}, true,
                             messages::OriginalKeptAs(paths.backupName), form);
        case LinkResult::TargetExists:
            return KeepOlderBackup(paths, found, form);
        case LinkResult::NotThisFile:
        case LinkResult::NoHardLinks:
            break;
        }
        const CopyOutcome copy = CopyToNewName(found, paths.target, paths.backupName);
        switch (copy.result) {
        case CopyResult::Copied:
            return WriteOver(paths, found, MadeBackup{paths.backupName, StateAt(paths.backupName)}, copy.ownerKept,
                             messages::OriginalKeptAs(paths.backupName), form);
        case CopyResult::TargetExists:
            return KeepOlderBackup(paths, found, form);
        case CopyResult::Failed:
            break;
        }
        return BackupRefused(paths.backupName);
    }

    std::optional<SaveOutcome> KeepOlderBackup(const SavePaths& paths, const FileRead& found,
                                               StagedFile* form = nullptr) {
        if (KindOfPath(paths.backupName) != PathKind::PlainFile)
            return BackupRefused(paths.backupName);
        return WriteOver(paths, found, std::nullopt, true, messages::OlderBackupKept(paths.backupName), form);
    }

    // The new text written, to be put in place once the batch has flushed it. The backup takes
    // its name only then, with the others, as the form's own file where the file system has
    // hard links: a batch killed before its flush leaves no form sharing its file with its
    // backup, which a program writing into the form would then change too. A copy, where the
    // batch has found the file system without hard links, is written now, for the same flush.
    std::optional<SaveOutcome> Stage(const SavePaths& paths, FileRead& found) {
        std::optional<StagedFile> form = StageReplacement(paths.target, bytes_, &found);
        if (!form)
            return Report(SaveOutcome::WriteFailed, {messages::NotSaved(formFileName_), messages::OriginalUnchanged()});
        std::optional<StagedFile> backup;
        const PathKind standing = KindOfPath(paths.backupName);
        if (standing == PathKind::Missing && !batch_->MakesHardLinksIn(FolderOf(paths.backupName))) {
            backup = StageCopy(found, paths.target, paths.backupName);
            if (!backup) {
                Discard(*form);
                return BackupRefused(paths.backupName);
            }
        } else if (standing != PathKind::Missing && standing != PathKind::PlainFile) {
            Discard(*form);
            return BackupRefused(paths.backupName);
        }
        staged_.emplace(Staged{paths, found, standing == PathKind::Missing, std::move(backup), std::move(*form)});
        return SaveOutcome::WaitsForBatch;
    }

    // The backup first, as SaveBesideBackup puts it; the form once every backup of the batch
    // has its name (PutStagedFormInPlace), or the save's end where the backup was refused.
    void PutStagedBackupInPlace(Staged& staged) {
        const SavePaths& paths = staged.paths;
        if (!staged.backupNameFree)
            return KeepStagedOlderBackup(staged);
        if (!staged.backup) {
            switch (LinkAsBackup(staged.found, paths.target, paths.backupName, batch_)) {
            case LinkResult::Linked:
                formStep_ = {MadeBackup{paths.backupName, StateAt(paths.backupName), true}, true,
                             messages::OriginalKeptAs(paths.backupName)};
                return;
            case LinkResult::TargetExists:
                return KeepStagedOlderBackup(staged);
            case LinkResult::NoHardLinks:
                batch_->NoteNoHardLinks(staged.found.info.st_dev);
                break;
            case LinkResult::NotThisFile:
                break;
            }
            staged.backup = StageCopy(staged.found, paths.target, paths.backupName);
            if (!staged.backup || !FlushStaged(*staged.backup)) {
                Discard(staged.form);
                ending_ = BackupRefused(paths.backupName);
                return;
            }
        }
        const CopyOutcome copy =
            PutStagedCopyInPlace(*staged.backup, staged.found, paths.target, paths.backupName, *batch_);
        switch (copy.result) {
        case CopyResult::Copied:
            formStep_ = {MadeBackup{paths.backupName, StateAt(paths.backupName)}, copy.ownerKept,
                         messages::OriginalKeptAs(paths.backupName)};
            return;
        case CopyResult::TargetExists:
            return KeepStagedOlderBackup(staged);
        case CopyResult::Failed:
            break;
        }
        Discard(staged.form);
        ending_ = BackupRefused(paths.backupName);
    }

    void KeepStagedOlderBackup(Staged& staged) {
        if (KindOfPath(staged.paths.backupName) == PathKind::PlainFile) {
            formStep_ = {std::nullopt, true, messages::OlderBackupKept(staged.paths.backupName)};
            return;
        }
        Discard(staged.form);
        ending_ = BackupRefused(staged.paths.backupName);
    }

    std::optional<SaveOutcome> PutStagedFormInPlace(Staged& staged) {
        return WriteOver(staged.paths, staged.found, formStep_.made, formStep_.backupOwnerKept, formStep_.backupReport,
                         &staged.form);
    }

    SaveOutcome FlushFailed(const Staged& staged) {
        if (staged.backup)
            Discard(*staged.backup);
        Discard(staged.form);
        return Report(SaveOutcome::WriteFailed, {messages::NotSaved(formFileName_), messages::OriginalUnchanged()});
    }

    // A form another program changed goes whole to a backup, never in an older one's place.
    std::optional<SaveOutcome> SaveBesideFreeBackupName(const SavePaths& paths, const FileRead& found) {
        std::string name;
        for (int number = 0; number <= kMostNumberedBackups; ++number) {
            name = NumberedBackupName(paths.backupName, number);
            const CopyOutcome copy = CopyToNewName(found, paths.target, name);
            if (copy.result == CopyResult::Copied)
                return WriteOver(paths, found, MadeBackup{name, StateAt(name)}, copy.ownerKept,
                                 messages::OtherProgramsChangeKeptIn(name));
            if (copy.result == CopyResult::Failed)
                break;
        }
        return BackupRefused(name);
    }

    // A form changed between the check and the rename is not the form the backup holds: the
    // backup is the only copy of the form as read, and stays.
    std::optional<SaveOutcome> WriteOver(const SavePaths& paths, const FileRead& found,
                                         const std::optional<MadeBackup>& made, bool backupOwnerKept,
                                         const Message& backupReport, StagedFile* staged = nullptr) {
        const ReplaceOutcome replaced = staged
                                            ? PutStagedReplacementInPlace(*staged, paths.target, bytes_, &found, batch_)
                                            : ReplaceFile(paths.target, bytes_, &found, batch_);
        switch (replaced.result) {
        case ReplaceResult::Replaced:
            written_ = replaced.written;
            return Report(
                made ? SaveOutcome::BackedUpAndWritten : SaveOutcome::BackupKeptAndWritten,
                WithOwnerNote({messages::Saved(formFileName_), backupReport}, backupOwnerKept && replaced.ownerKept));
        case ReplaceResult::ChangedMeanwhile:
            if (made && (!made->linked || TakeAwayLinkedBackup(paths.target, *made) != LinkedBackupLeft::Nothing))
                copiesLeft_.push_back(made->name);
            return std::nullopt;
        case ReplaceResult::Failed:
            break;
        }
        return Report(SaveOutcome::WriteFailed,
                      {messages::NotSaved(formFileName_),
                       made ? AfterFailedWrite(paths, found, *made, backupReport) : messages::OriginalUnchanged()});
    }

    std::optional<SaveOutcome> SaveWithoutOriginal(const SavePaths& paths) {
        const ReplaceOutcome replaced = ReplaceFile(paths.target, bytes_, nullptr, batch_);
        switch (replaced.result) {
        case ReplaceResult::Replaced:
            written_ = replaced.written;
            return Report(SaveOutcome::NoOriginalAndWritten, {messages::Saved(formFileName_), messages::NoOriginal()});
        case ReplaceResult::ChangedMeanwhile:
            return std::nullopt;
        case ReplaceResult::Failed:
            break;
        }
        return Report(SaveOutcome::WriteFailed, {messages::NotSaved(formFileName_), messages::NoOriginal()});
    }

    // A failed write leaves the form file as it was, so the copy just made is not needed; it
    // goes, unless the form file no longer holds what was read (gone, replaced, or rewritten
    // where only its bytes can tell), in which case the copy is where the original now
    // lives, and the report says what it holds as a save would have (the original, or another
    // program's change). What another program put under the backup name meanwhile is not this
    // save's copy and is left alone.
    static Message AfterFailedWrite(const SavePaths& paths, const FileRead& found, const MadeBackup& made,
                                    const Message& backupReport) {
        if (made.linked)
            return AfterFailedWriteWithLink(paths, made, backupReport);
        if (!StillHolds(paths.target, found))
            return backupReport;
        if (RemoveIfUnchanged(made))
            return messages::OriginalUnchanged();
        return messages::CopyLeftBeside(made.name);
    }

    // A backup that is the form's own file stays only where the form's name no longer leads to
    // that file: it is then where the original lives.
    static Message AfterFailedWriteWithLink(const SavePaths& paths, const MadeBackup& made,
                                            const Message& backupReport) {
        switch (TakeAwayLinkedBackup(paths.target, made)) {
        case LinkedBackupLeft::Nothing:
            break;
        case LinkedBackupLeft::TheFileRead:
            return backupReport;
        case LinkedBackupLeft::ASecondNameOfForm:
            return messages::CopyLeftBeside(made.name);
        }
        return messages::OriginalUnchanged();
    }

    // True unless the copy is still there and could not be removed.
    static bool RemoveIfUnchanged(const MadeBackup& made) {
        return !made.state || StateAt(made.name) != made.state || RemoveFile(made.name);
    }

    const std::string formFileName_;
    const std::string listedName_;
    std::string bytes_;
    const FileRead& known_;
    OperatorPort& port_;
    FileRead* saved_;
    FolderBatch* batch_;
    SaveEnded ended_;
    std::optional<Staged> staged_;
    FormStep formStep_;                  // in a batch, once the backup has its name
    std::optional<SaveOutcome> ending_;  // in a batch, where the save ended before its form
    bool changeAccepted_ = false;
    std::vector<std::string> copiesLeft_;  // backups made by attempts whose form then changed
    struct stat written_ {};               // the new form file's status, once written
};

}  // namespace

bool IsSaved(SaveOutcome outcome) {
    return outcome == SaveOutcome::BackedUpAndWritten || outcome == SaveOutcome::BackupKeptAndWritten ||
           outcome == SaveOutcome::NoOriginalAndWritten;
}

std::string BackupNameAmong(const std::string& formFileName,
                            const std::optional<std::vector<std::string>>& namesInFolder) {
    const auto nameStart = formFileName.rfind('/') + 1;  // npos + 1 is 0: no folder
    const std::string_view name = std::string_view(formFileName).substr(nameStart);
    if (IsBackupName(name))
        return formFileName;  // the save refuses it: a backup is never written over
    const bool shortNameIsFree = namesInFolder && !ShortNameWouldBeShared(name, *namesInFolder);
    return formFileName.substr(0, nameStart) + (shortNameIsFree ? ShortBackupName(name) : LongBackupName(name));
}

std::string BackupNameFor(const std::string& formFileName) {
    return BackupNameAmong(formFileName, NamesBeside(formFileName));
}

SaveOutcome SaveWithBackup(const std::string& formFileName, const FileRead& known, OperatorPort& port,
                           CodePage codePage, FileRead* saved, FolderBatch* batch, SaveEnded ended) {
    if (formFileName.empty()) {
        port.ShowMessage({messages::NothingToSave()}, MessageButtons::Ok);
        return SaveOutcome::NothingToSave;
    }
    if (port.ShowMessage({messages::ConfirmSave(formFileName)}, MessageButtons::OkCancel) != PressedButton::Ok)
        return SaveOutcome::Cancelled;
    auto encoded = EncodeViewText(port.ViewTextToSave(), codePage);
    if (const auto* found = std::get_if<UnsavableCharacter>(&encoded)) {
        port.ShowMessage({UnsavableCharacterMessage(formFileName, *found, codePage)}, MessageButtons::Ok);
        return SaveOutcome::UnsavableCharacter;
    }
    // A form past the size a read takes could be saved, but never read again.
    if (std::get<std::string>(encoded).size() > kMaxFileSize) {
        port.ShowMessage({messages::TooLarge(formFileName)}, MessageButtons::Ok);
        return SaveOutcome::TooLarge;
    }
    auto save = std::make_unique<FormSave>(formFileName, std::move(std::get<std::string>(encoded)), known, port, saved,
                                           batch, std::move(ended));
    const SaveOutcome outcome = save->Run();
    if (outcome == SaveOutcome::WaitsForBatch) {
        const std::string folder = save->FolderWaitedIn();
        batch->Wait(std::move(save), folder);
    }
    return outcome;
}

}  // namespace tremaro
