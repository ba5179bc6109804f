#pragma once

#include "core/operator_port.h"
#include "platform/code_page.h"
#include "platform/folder_batch.h"
#include "platform/input_file.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tremaro {

// Saving writes the view's text over the form file after keeping the file as it was under
// its backup name. The form file stays under its name at every moment: the backup is the
// form's own file given a second name (a hard link) or, where that cannot be (no hard links,
// another file system, a file with other names already), a copy; either is put in place
// without ever replacing anything, and the new text replaces the form file in one rename
// once it is whole on the disk, leaving the old file under the backup name alone. A form
// file that is a symbolic link stays one, and the file it leads to gets the new text. The
// backup is never replaced, so after several saves it still holds the form from before the
// first one. A form file its owner may not write is not saved. When anything fails before
// the form file is replaced, the form file is untouched and a backup this save made is
// removed again; the report says what really happened, also when that removal fails.
//
// The save knows what the text was made from: the form file as it was read (or as the
// last save wrote it). Before it writes, it reads the file again and checks that the name
// still leads to the same file, in the same state, holding the same bytes; a backup copy is
// written from those bytes, and the form's file is linked only while it is in that state. A
// file another program has changed since is not written over unasked: the operator is
// asked, and on OK the file as it is now goes to the backup (to the first free name of
// X.bak, X.bak1, X.bak2, … when a backup is there already), so that the other program's
// change is kept. The same look comes again just before the rename that replaces the form;
// a change found there is asked about in the same way.

enum class SaveOutcome {
    NothingToSave,            // no form has been read
    Cancelled,                // the operator answered the question with Cancel
    UnsavableCharacter,       // the view holds a character the code page cannot hold
    TooLarge,                 // the text would make a file larger than a read takes
    ReadOnly,                 // the form file may not be written
    ChangedByAnotherProgram,  // changed since it was read, and the operator kept the change
    ChangedWhileChecked,      // another program was writing it as the save read it
    BackedUpAndWritten,       // a copy of the original is kept under the backup name
    BackupKeptAndWritten,     // a backup existed already and stays as it was
    NoOriginalAndWritten,     // the form file had gone since it was read
    LeadsElsewhere,           // a link now under the name leads to another file than the one read, or to none
    BackupFailed,             // no backup could be made; nothing was written
    WriteFailed,
    WaitsForBatch,  // written beside the form, to be put in place when its batch has flushed it
};

bool IsSaved(SaveOutcome outcome);

// No two files of one folder ever share a backup name. The short name, the form file's with
// its extension replaced by "bak" (".bak" appended where it has none: X.frm and X give
// X.bak), is used only where the folder can be listed and no other file listed there would
// take the same name in any case of letters, as its own short name (X with any extension
// or none) or as its long one (X.frm.frm's short name X.frm.bak is X.frm's long one). The
// long name is the whole name and ".bak" (X.frm.bak). Backups (names ending in .bak or
// .bakN) take no backup name; one of them saved as a form gets its own name, and is refused.
// namesInFolder: what the folder lists, or nothing where it cannot be listed.
std::string BackupNameAmong(const std::string& formFileName,
                            const std::optional<std::vector<std::string>>& namesInFolder);

// The backup name of the form file among the names its folder lists now.
std::string BackupNameFor(const std::string& formFileName);

// Told the end of a save that waited for its batch.
using SaveEnded = std::function<void(SaveOutcome)>;

// known is the form file as the text to save was made from it; the view's text is written
// in codePage, the one the form was read in. When the save writes the form, *saved (where
// given) becomes the file as written, for the next save to check. A save made as one of a
// batch (where given) takes the batch's listing, lock and flush of the folders it holds.
// Given ended too, it writes its files and returns WaitsForBatch; the batch puts them in
// place when it flushes (FolderBatch::PutWaitingInPlace), and the save's report and *saved
// follow then, and ended is told the outcome. known, port and saved must last until then.
SaveOutcome SaveWithBackup(const std::string& formFileName, const FileRead& known, OperatorPort& port,
                           CodePage codePage, FileRead* saved = nullptr, FolderBatch* batch = nullptr,
                           SaveEnded ended = nullptr);

}  // namespace tremaro
