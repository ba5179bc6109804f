#pragma once

#include "core/operator_port.h"

#include <string>

namespace tremaro {

// Saving writes the view's text over the form file after giving the file as it was its
// backup name (as a second name, where the file system allows, so that the form file is
// never missing while the new text is written). The backup is never replaced, so after several saves it still holds the
// form from before the first one. Nothing is written unless the original is safe under
// the backup name (or already has a backup, or is gone), and the write itself is atomic,
// so no outcome loses the original's bytes; the report says what really happened.

enum class SaveOutcome {
    NothingToSave,       // no form has been read
    Cancelled,           // the operator answered the question with Cancel
    UnsavableCharacter,  // the view holds a character the code page cannot hold
    RenamedAndWritten,
    BackupKeptAndWritten,  // a backup existed already and stays as it was
    NoOriginalAndWritten,  // the form file had gone since it was read
    RenameFailed,
    WriteFailed,
};

bool IsSaved(SaveOutcome outcome);

// The form file's folder and name with the name's extension replaced by "bak", or
// ".bak" appended where the name has none.
std::string BackupNameFor(const std::string& formFileName);

SaveOutcome SaveWithBackup(const std::string& formFileName, OperatorPort& port);

}  // namespace tremaro
