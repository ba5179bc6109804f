#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tremaro::messages {

// Every text the core shows the operator, in one place: the window, the command line and
// the tests name them here instead of writing them again. Messages are UTF-8 with CR LF
// between their lines, as a message box shows them; the layout problems are UTF-16, like
// the form's text they are shown beside.

// Reading a form file.
std::string CannotRead(const std::string& path);
std::string TooLarge(const std::string& path);
std::string TooLong(const std::string& path);
std::string ChangedWhileRead(const std::string& path);

// Correcting it.
extern const char* const kPercentRefused;
extern const char* const kNoForm;
extern const char* const kCorrectionFinished;
extern const char* const kBitmapSansSerifTooSmall;  // a line of its own after kCorrectionFinished
std::string ValueOutOfRange(int line);

// Saving it: the question, then a report of one or two lines.
extern const char* const kNothingToSave;
std::string ConfirmSave(const std::string& path);
std::string ChangedSinceRead(const std::string& path);  // a question too
std::string Saved(const std::string& path);             // the report's first line, CR LF included
std::string NotSaved(const std::string& path);          // likewise
std::string OriginalKeptAs(const std::string& backupName);
std::string OtherProgramsChangeKeptIn(const std::string& backupName);  // in its place, after a change was written over
std::string OlderBackupKept(const std::string& backupName);
std::string CopyLeftBeside(const std::string& backupName);
std::string ChangedAndNotSaved(const std::string& path);
std::string VersionReadKeptAs(const std::string& backupName);  // a line of its own after the report
std::string LeadsElsewhere(const std::string& path, const std::string& target);
extern const char* const kNoOriginal;
extern const char* const kOriginalUnchanged;
extern const char* const kOwnerNotKept;  // a line of its own after the report
std::string BackupRefused(const std::string& path, const std::string& backupName);
std::string ReadOnly(const std::string& path);
std::string UnsavableCharacter(const std::string& path, const std::string& character, int line,
                               const std::string& codePage);

// Before work the operator has not saved is dropped (a read, leaving, another code page).
extern const char* const kDropUnsavedWork;

// Problems of a form's layout that a correction brought about.
std::u16string ReachesOut(std::u16string_view control, std::u16string_view container);
std::u16string Overlaps(std::u16string_view control, std::u16string_view other);
std::u16string TextDoesNotFit(std::u16string_view control);
std::u16string UnlistedProblems(std::size_t count, bool atLeast);

}  // namespace tremaro::messages
