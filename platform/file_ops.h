#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tremaro {

// The file operations of a save. Neither of the two that write ever leaves a file under
// its name half written or missing: both write a temporary file in the folder of the file
// being made, flush it to the disk and only then give it its name in one step. The
// temporary file is an unnamed one where the file system has them, so that a killed save
// leaves nothing behind; elsewhere it is a file named ".tremaro-" and six characters.

enum class PathKind {
    Missing,
    PlainFile,
    Folder,
    Other,  // a link, a device, a pipe: neither a plain file nor a folder
};

// What stands under path itself (a link is not followed).
PathKind KindOfPath(const std::string& path);

// The path at the end of the chain of symbolic links that path starts (path itself when
// it is no link); the last one may name a file that does not exist yet.
std::string FinalTarget(const std::string& path);

// Whether this process may write the file at path (links followed) and its mode lets its
// owner write it; a root process may write anything, so the mode is its only guard.
bool IsWritable(const std::string& path);

// One file as it stands, whatever names it has: another file, even one that gets the
// same inode number after this one was removed, or this one changed, differ from it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    long changeSeconds = 0;
    long changeNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);  // links followed

enum class CopyResult {
    Copied,
    SourceMissing,
    TargetExists,  // something stands under the new name; it is left as it is
    Failed,        // nothing is left under the new name
};

// Puts a copy of the plain file source (links followed) under the new name target, with
// its bytes, mode, owner and group (where this process may set them), ACL, extended
// attributes and times. The new name is never taken from anything that stands there,
// also where the file system can only rename by replacing: there (FAT) a check that the
// name is free comes just before the rename, the one moment another process could slip
// a file in between.
CopyResult CopyToNewName(const std::string& source, const std::string& target);

// Replaces the file at path (no link: see FinalTarget) with one holding bytes, in one
// rename: at every moment the file under path is what it was or the whole new content.
// The new file gets the old one's mode, owner and group (where permitted), ACL and
// extended attributes, or the usual permissions of a new file where there was none. On
// failure nothing under path has changed.
bool ReplaceFile(const std::string& path, std::string_view bytes);

bool RemoveFile(const std::string& path);

}  // namespace tremaro
