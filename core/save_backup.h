#pragma once

#include "core/operator_port.h"
#include "platform/code_page.h"

#include <string>

namespace tremaro {

// Saving writes the view's text over the form file after keeping a copy of the file as it
// was under its backup name. The form file stays under its name at every moment: the
// backup is a copy, put in place without ever replacing anything, and the new text
// replaces the form file in one rename once it is whole on the disk; a form file that is
// a symbolic link stays one, and the file it leads to gets the new text. The backup is
// never replaced, so after several saves it still holds the form from before the first
// one. A form file its owner may not write is not saved. When anything fails before the
// form file is replaced, the form file is untouched and a backup this save made is
// removed again; the report says what really happened, also when that removal fails.

enum class SaveOutcome {
    NothingToSave,         // no form has been read
    Cancelled,             // the operator answered the question with Cancel
    UnsavableCharacter,    // the view holds a character the code page cannot hold
    ReadOnly,              // the form file may not be written
    BackedUpAndWritten,    // a copy of the original is kept under the backup name
    BackupKeptAndWritten,  // a backup existed already and stays as it was
    NoOriginalAndWritten,  // the form file had gone since it was read
    BackupFailed,          // no backup could be made; nothing was written
    WriteFailed,
};

bool IsSaved(SaveOutcome outcome);

// The form file's folder and name with the name's extension replaced by "bak", or
// ".bak" appended where the name has none.
std::string BackupNameFor(const std::string& formFileName);

// The view's text is written in codePage, the one the form was read in.
SaveOutcome SaveWithBackup(const std::string& formFileName, OperatorPort& port,
                           CodePage codePage = CodePage::Windows1251);

}  // namespace tremaro
