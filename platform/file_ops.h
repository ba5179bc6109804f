#pragma once

#include "platform/file_descriptor.h"
#include "platform/input_file.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace tremaro {

class FolderBatch;

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

// The folder part of path: "." for a bare name, "/" for a name in the root.
std::string FolderOf(const std::string& path);

// What stands under path itself (a link is not followed).
PathKind KindOfPath(const std::string& path);

// The path at the end of the chain of symbolic links that path starts (path itself when
// it is no link); the last one may name a file that does not exist yet.
std::string FinalTarget(const std::string& path);

// The names of everything in the folder that holds path (. and .. left out), or nothing
// when the folder cannot be listed (its user may write it, but not read it).
std::optional<std::vector<std::string>> NamesBeside(const std::string& path);

// path with its last name spelled as the folder lists it: on a file system that ignores
// letter case (FAT, exFAT), FORM1.FRM given for Form1.frm is Form1.frm, so that the save
// keeps the name as it stands and names the backup after it. path itself wherever the
// folder cannot be listed or lists no other spelling of the same file.
std::string NameAsListed(const std::string& path);

// The same, among the names the folder listed (nothing where it could not be listed).
std::string NameAsListedAmong(const std::string& path, const std::optional<std::vector<std::string>>& names);

// Whether this process may write the file at path (links followed) and its mode lets its
// owner write it; a root process may write anything, so the mode is its only guard.
bool IsWritable(const std::string& path);

// The state of the file at path (links followed), or none when nothing is there.
std::optional<FileState> StateAt(const std::string& path);

enum class CopyResult {
    Copied,
    TargetExists,  // something stands under the new name; it is left as it is
    Failed,        // nothing is left under the new name
};

// Whether a new file could be given the owner and group of the file it stands for: a user
// may not give a file away, nor to a group he is not in, and his save then leaves both his.
struct CopyOutcome {
    CopyResult result;
    bool ownerKept = true;
};

// Puts a copy of source, a file as a read found it, under the new name target: the bytes
// that were read, and the mode, owner and group (where this process may set them), ACL,
// extended attributes (of the file now at sourcePath) and times. The new name is never taken
// from anything that stands there, also where the file system can only rename by
// replacing: there (FAT) a check that the name is free comes just before the rename, the
// one moment another process could slip a file in between.
CopyOutcome CopyToNewName(const FileRead& source, const std::string& sourcePath, const std::string& target);

// Whether the file system of folder gives a file a second name: an empty temporary file made
// there is linked under another temporary name, and both go again.
bool FolderMakesHardLinks(const std::string& folder);

enum class LinkResult {
    Linked,
    TargetExists,  // something stands under the new name; it is left as it is
    NotThisFile,   // this file is not to be linked; nothing is left under the new name
    NoHardLinks,   // the file system made no link (it has none, or the names are on two)
};

// Gives the file at sourcePath, which a read found as source, the name target as well (a hard
// link), for a backup that is the original itself: its bytes, inode, attributes and times,
// those no copy could be given included; nothing is written, and nothing freed once the new text
// has replaced the form. A file that has other names already is not linked, since those who
// share it could change it after the save; nor is one no longer as the read found it. Where
// the file system has no hard links, or the names are on two, the caller makes a copy. On
// Linked, source.info is the file's status after the link (which changed its change time), for
// the checks before the rename. The new name is flushed at once, or, where batch is given, with
// the batch's folders, before any form is replaced. A file linked in the instant after the look
// that cannot be taken away again is TargetExists.
LinkResult LinkAsBackup(FileRead& source, const std::string& sourcePath, const std::string& target,
                        FolderBatch* batch = nullptr);

enum class ReplaceResult {
    Replaced,
    ChangedMeanwhile,  // path no longer held the file found there; nothing was written over it
    Failed,
};

struct ReplaceOutcome {
    ReplaceResult result;
    bool ownerKept = true;
    struct stat written {};  // the new file's status, once Replaced
};

// Replaces the file at path (no link: see FinalTarget) with one holding bytes, in one
// rename: at every moment the file under path is what it was or the whole new content.
// original is the file at path as the caller last found it, or nullptr where there was
// none. The new file gets its mode, owner and group (where permitted), ACL and extended
// attributes, or the usual permissions of a new file where there was none. The rename
// happens only while path still holds that file (in the same state), or nothing; the one
// moment another program could change it unseen is between that look and the rename. On
// any result but Replaced nothing under path has changed. The rename is flushed at once,
// or, where batch holds the folder, when the batch finishes.
ReplaceOutcome ReplaceFile(const std::string& path, std::string_view bytes, const FileRead* original,
                           FolderBatch* batch = nullptr);

bool RemoveFile(const std::string& path);

// The same two writes in a batch, in two steps each, so that one flush can serve every file
// of the batch: a file is first written beside its final name, unnamed where the file system
// has such files (else under a temporary name), and not flushed; once the batch has flushed
// it, it is put in place as CopyToNewName and ReplaceFile do, and the rename is flushed with
// the batch's folders. A staged file that is not to be put in place is discarded.
struct StagedFile {
    std::unique_ptr<FileDescriptor> descriptor;
    std::string name;       // empty while unnamed
    bool ownerKept = true;  // it has the owner and group of the file it stands for
};

// The copy of source that CopyToNewName would put under target, written and not flushed.
std::optional<StagedFile> StageCopy(const FileRead& source, const std::string& sourcePath, const std::string& target);

// Flushes a staged file that is to be put in place before its batch's next flush.
bool FlushStaged(const StagedFile& staged);

// Puts the staged copy under target, which it never takes from anything standing there.
CopyOutcome PutStagedCopyInPlace(StagedFile& staged, const FileRead& source, const std::string& sourcePath,
                                 const std::string& target, FolderBatch& batch);

// The file that ReplaceFile would put under path, written and not flushed.
std::optional<StagedFile> StageReplacement(const std::string& path, std::string_view bytes, const FileRead* original);

// The same file written, unnamed, and flushed at once, for a save that is no batch's; none
// where the file system has no unnamed files (unsupported) or the writing failed.
struct UnnamedReplacement {
    std::optional<StagedFile> file;
    bool unsupported = false;
};
UnnamedReplacement WriteUnnamedReplacement(const std::string& path, std::string_view bytes, const FileRead* original);

// Replaces path with the staged file as ReplaceFile does; bytes are what it holds (written
// again under a name of its own where an unnamed file cannot be given one). The rename is
// flushed with batch's folders, or at once where there is no batch.
ReplaceOutcome PutStagedReplacementInPlace(StagedFile& staged, const std::string& path, std::string_view bytes,
                                           const FileRead* original, FolderBatch* batch);

// Removes a staged file's temporary name, if it has one.
void Discard(const StagedFile& staged);

}  // namespace tremaro
