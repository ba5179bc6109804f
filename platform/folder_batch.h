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

// The folders that one run of saves, one form after another, works in, and the saves of that
// run that wait for one flush together. Saved one at a time, each form would list its
// folder, take the folder's lock, and wait for the disk four times: for its backup, for the
// backup's name, for its new text and for the rename. A batch instead takes the lock of
// every folder at once, before the first save's look at its form, and holds them until the
// last rename of each folder has been flushed; it lists each folder once, and the listing
// serves every save there (a save adds backups and replaces forms under their own names,
// none of which changes a backup name's choice).
//
// A save in the batch checks its form and writes its backup and its new text beside their
// final names, unflushed, and then waits (Wait). When enough wait, or at the end, the batch
// flushes each file system they were written on once (syncfs: data, attributes and all, in
// one wait, where flushing each file would wait for the journal once per file); then every
// save puts its backup under its name, each folder a backup was named in is flushed once, and
// only then does every save put its new form in the form's place, the folders being flushed
// once more at the end. So at no moment, on the disk as in the folder, is a form replaced
// while its original has no other name: a file system that keeps no order among its renames
// (FAT, exFAT) could otherwise bring back, after a power cut, a form's rename without its
// backup's. A save whose file system could not be flushed puts nothing in place, and says so.
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

    // A rename in folder, which the batch holds, is to be flushed with the batch's folders.
    void RenamedIn(const std::string& folder);

    // Whether the file system of folder gives a file a second name (looked at once per file
    // system and batch): where it does not, the saves write their backups as copies before the
    // batch's flush, so that the one flush serves them too.
    bool MakesHardLinksIn(const std::string& folder);
    // A link refused where the look found hard links: the later saves there write copies.
    void NoteNoHardLinks(dev_t device) { hardLinks_[device] = false; }

    // A save whose files are written and wait for the batch's flush to be put in place.
    class Waiting {
    public:
        virtual ~Waiting() = default;
        // flushed: whether the file system its files were written on was flushed.
        virtual void PutBackupInPlace(bool flushed) = 0;
        // Once every backup's name is on the disk; the save ends here.
        virtual void PutFormInPlace() = 0;
    };

    // The save waits, its files written in folder, which the batch holds.
    void Wait(std::unique_ptr<Waiting> save, const std::string& folder);

    // Whether so many saves wait that the next one should wait for their flush first: each
    // holds its files open, and a process may open only so many.
    bool Full() const { return waiting_.size() >= kMostWaiting; }

    // Flushes the waiting saves' file systems, puts each save's backup and then each save's
    // form in place in the order they came, flushing the folders after each of the two. The
    // locks stay held.
    void PutWaitingInPlace();

    // PutWaitingInPlace, then lets every lock go. Nothing is held after.
    void Finish();

private:
    using Identity = std::pair<dev_t, ino_t>;
    static constexpr std::size_t kMostWaiting = 200;

    void FlushFolders();
    bool FlushFileSystem(dev_t device) const;

    std::map<Identity, std::unique_ptr<FolderLock>> locks_;
    std::map<Identity, std::string> renamedIn_;
    std::map<std::string, std::optional<std::vector<std::string>>> listings_;
    std::vector<std::pair<dev_t, std::unique_ptr<Waiting>>> waiting_;
    std::map<dev_t, bool> hardLinks_;
};

}  // namespace tremaro
