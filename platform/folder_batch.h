#pragma once

#include "platform/folder_lock.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <sys/types.h>
#include <vector>

namespace tremaro {

// The folders that one run of saves, one form after another, works in. Saved one at a time,
// each form would list its folder, take the folder's lock and flush the folder after its
// rename; a run of a thousand forms would list each folder a thousand times and wait for
// the disk a thousand times more. A batch instead takes the lock of every folder at once,
// before the first save's look at its form, and holds them until the last rename of each
// folder has been flushed (once per folder, in Finish); it lists each folder once, and the
// listing serves every save there (a save adds backups and replaces forms under their own
// names, none of which changes a backup name's choice). The flush that makes a backup's name
// last before its form is replaced stays in each save: only the flush after the rename,
// which decides nothing but whether a power loss keeps the new form or the old one, waits.
//
// The locks are taken in the order of the folders' device and inode numbers, so that two
// batches sharing folders never each wait for the other. A folder that a save meets only
// later (a link leads into it) is not held by the batch: that save takes its turn and
// flushes as a single save does. Only saves that never wait on an operator (the command
// line's) belong in a batch: a question asked while the locks are held would keep every
// other save of those folders waiting on it.
class FolderBatch {
public:
    // folders: the folders the saves will work in, in any spelling, repeated or not.
    explicit FolderBatch(const std::vector<std::string>& folders);
    ~FolderBatch() { Finish(); }
    FolderBatch(const FolderBatch&) = delete;
    FolderBatch& operator=(const FolderBatch&) = delete;

    // Whether the batch holds folder's lock (the lock is then not to be taken again).
    bool Holds(const std::string& folder) const;

    // What the folder that holds path lists, as listed at its first asking in this batch.
    const std::optional<std::vector<std::string>>& NamesBeside(const std::string& path);

    // A rename in folder, which the batch holds, is to be flushed by Finish.
    void RenamedIn(const std::string& folder);

    // Flushes each folder a rename was made in, then lets every lock go. Nothing is held after.
    void Finish();

private:
    using Identity = std::pair<dev_t, ino_t>;
    std::map<Identity, std::unique_ptr<FolderLock>> locks_;
    std::map<Identity, std::string> renamedIn_;
    std::map<std::string, std::optional<std::vector<std::string>>> listings_;
};

}  // namespace tremaro
