#pragma once

#include "core/message.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro::messages {

// The core's messages made with what fills them: the window, the command line and the tests
// name them here. Paths and names are UTF-8; a control's name comes as the form's text does.

// Reading a form file.
Message CannotRead(const std::string& path);
Message TooLarge(const std::string& path);
Message TooLong(const std::string& path);
Message ChangedWhileRead(const std::string& path);

// Correcting it.
Message PercentRefused();
Message NoForm();
Message CorrectionFinished();
Message BitmapSansSerifTooSmall();
Message ValueOutOfRange(int line);

// Saving it.
Message NothingToSave();
Message ConfirmSave(const std::string& path);
Message ChangedSinceRead(const std::string& path);
Message Saved(const std::string& path);
Message NotSaved(const std::string& path);
Message OriginalKeptAs(const std::string& backupName);
Message OtherProgramsChangeKeptIn(const std::string& backupName);
Message OlderBackupKept(const std::string& backupName);
Message CopyLeftBeside(const std::string& backupName);
Message ChangedAndNotSaved(const std::string& path);
Message VersionReadKeptAs(const std::string& backupName);
Message LeadsElsewhere(const std::string& path, const std::string& target);
Message NoOriginal();
Message OriginalUnchanged();
Message OwnerNotKept();
Message BackupRefused(const std::string& path, const std::string& backupName);
Message ReadOnly(const std::string& path);
Message UnsavableCharacter(const std::string& path, const std::string& character, int line,
                           const std::string& codePage);

Message DropUnsavedWork();

// Problems of a form's layout.
Message ReachesOut(std::u16string_view control, std::u16string_view container);
Message Overlaps(std::u16string_view control, std::u16string_view other);
Message TextDoesNotFit(std::u16string_view control);
Message UnlistedProblems(std::size_t count, bool atLeast);

}  // namespace tremaro::messages
