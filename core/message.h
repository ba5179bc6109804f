#pragma once

#include <string>
#include <vector>

namespace tremaro {

// Everything the core tells the operator, by what happened; the words are the fronts' (TextOf,
// in the operator's language).
enum class MessageId {
    // Reading a form file: its path.
    CannotRead,
    TooLarge,
    TooLong,
    ChangedWhileRead,
    // Correcting it.
    PercentRefused,
    NoForm,
    CorrectionFinished,
    BitmapSansSerifTooSmall,  // a line of its own after CorrectionFinished
    ValueOutOfRange,          // the line's number
    // Saving it: the question, then a report of one line or more.
    NothingToSave,
    ConfirmSave,       // the path
    ChangedSinceRead,  // the path; a question too
    Saved,             // the path; the report's first line
    NotSaved,          // likewise
    OriginalKeptAs,    // the backup's name
    OtherProgramsChangeKeptIn,
    OlderBackupKept,
    CopyLeftBeside,
    ChangedAndNotSaved,  // the path
    VersionReadKeptAs,   // the backup's name; a line of its own after the report
    LeadsElsewhere,      // the path, and where it leads
    NoOriginal,
    OriginalUnchanged,
    OwnerNotKept,        // a line of its own after the report
    BackupRefused,       // the path, the backup's name
    ReadOnly,            // the path
    UnsavableCharacter,  // the path, the character, its line, the code page
    DropUnsavedWork,     // before a read, leaving, another code page
    // Problems of a form's layout that a correction brought about: the controls' names.
    ReachesOut,               // the control, its container
    Overlaps,                 // the control, the other
    TextDoesNotFit,           // the control
    UnlistedProblems,         // closes a list cut short; counts the problems left out
    AtLeastUnlistedProblems,  // likewise, where the counting stopped early
};

inline constexpr int kMessageIdCount = static_cast<int>(MessageId::AtLeastUnlistedProblems) + 1;

// A message as data: which it is, and what fills its places, in the order the Bulgarian
// sentence names them (UTF-8). A message about a number of things also carries the number,
// which chooses the sentence's plural form.
struct Message {
    MessageId id;
    std::vector<std::string> arguments;
    unsigned long count = 0;

    bool operator==(const Message&) const = default;
};

// A message box's lines, in order.
using MessageLines = std::vector<Message>;

// The sentence in the operator's language, its places filled.
std::string TextOf(const Message& message);

// The lines joined as a message box shows them, with CR LF.
std::string TextOf(const MessageLines& lines);

// The sentence's pattern in Bulgarian, the program's own language, with its placeholders
// (%1, %2, …): what the catalogues translate.
const char* PatternOf(MessageId id);

}  // namespace tremaro
