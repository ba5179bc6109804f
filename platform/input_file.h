#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace tremaro {

// Reading a file whole into memory. Only a plain file is read (links followed): a folder,
// pipe, device or socket is refused as it is opened, without waiting for a writer or a
// device, and a file over kMaxFileSize is refused before a byte of it is read. The file is
// read with ordinary reads, never mapped, so a file cut short while it is read is a failed
// read, never a crash.
//
// A read remembers what it read: the bytes, and the file's status after the last read. A
// read during which the file changed (its state after the last read differs from its state
// before the first, or fewer bytes came than its size said) takes nothing: another program
// was writing it, and the bytes may be a part of its old and a part of its new content.

inline constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;

// Which file a name led to (device and inode) and how it stood (size, modification and
// change times). A file whose state is unchanged has, as far as its times can tell, not
// been written meanwhile; but the times are only as fine as the file system's clock tick
// (some milliseconds on ext4, two seconds on FAT), so a rewrite of the same length within
// one tick leaves the state as it was, and only the bytes can tell.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    time_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;
    time_t changedSeconds = 0;
    long changedNanoseconds = 0;
    bool operator==(const FileState&) const = default;
};
FileState StateOf(const struct stat& info);

// A file as one read found it: its bytes, and its status after the last read (its state,
// and the mode, owner and times that a copy of it is given).
struct FileRead {
    std::string bytes;
    struct stat info {};
    FileState State() const { return StateOf(info); }
};

enum class ReadStatus { Read, Missing, CannotRead, TooLarge, ChangedWhileRead };

// Whether the file's times cannot show a rewrite that put them back: times kept to whole
// seconds or coarser (FAT, exFAT, many network file systems), or a change time that equals
// the modification time (exFAT's driver shows one as the other, and a program that puts
// the modification time back then puts both back).
bool TimesCannotTell(const struct stat& info);

// read changes only when the whole file was read (ReadStatus::Read). Where the times cannot
// tell, the file is read a second time and must give the same bytes.
ReadStatus ReadWholeFile(const std::string& path, FileRead& read);

// Up to count bytes from the start of the plain file at path (links followed), as few as it
// holds; nothing where it is no plain file or cannot be read. Enough to tell what a file is.
std::string FirstBytesOf(const std::string& path, std::size_t count);

// Whether path itself (no link followed) is still the file read found, in the same state,
// and, where its times cannot tell, holding the same bytes.
bool StillHolds(const std::string& path, const FileRead& read);

}  // namespace tremaro
