#include "platform/folder_batch.h"

#include "platform/file_descriptor.h"
#include "platform/file_ops.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

namespace tremaro {
namespace {

std::optional<std::pair<dev_t, ino_t>> IdentityOf(const std::string& folder) {
    struct stat info {};
    if (system::Status(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

}  // namespace

FolderBatch::FolderBatch(const std::vector<std::string>& folders) {
    std::map<Identity, std::string> byIdentity;  // ordered: the order every batch locks in
    for (const std::string& folder : folders)
        if (const auto identity = IdentityOf(folder))
            byIdentity.emplace(*identity, folder);
    for (const auto& [identity, folder] : byIdentity) {
        auto lock = std::make_unique<FolderLock>(folder);
        if (lock->Taken())
            locks_.emplace(identity, std::move(lock));
    }
}

bool FolderBatch::Holds(const std::string& folder) const {
    const auto identity = IdentityOf(folder);
    return identity && locks_.contains(*identity);
}

const std::optional<std::vector<std::string>>& FolderBatch::NamesBeside(const std::string& path) {
    const std::string folder = FolderOf(path);
    auto listed = listings_.find(folder);
    if (listed == listings_.end())
        listed = listings_.emplace(folder, tremaro::NamesBeside(path)).first;
    return listed->second;
}

void FolderBatch::RenamedIn(const std::string& folder) {
    if (const auto identity = IdentityOf(folder))
        renamedIn_.emplace(*identity, folder);
}

bool FolderBatch::MakesHardLinksIn(const std::string& folder) {
    struct stat info {};
    if (system::Status(folder.c_str(), &info) != 0)
        return true;  // the link, tried, says more
    auto [at, added] = hardLinks_.try_emplace(info.st_dev);
    if (added)
        at->second = FolderMakesHardLinks(folder);
    return at->second;
}

void FolderBatch::Wait(std::unique_ptr<Waiting> save, const std::string& folder) {
    const auto identity = IdentityOf(folder);
    waiting_.emplace_back(identity ? identity->first : dev_t{}, std::move(save));
}

bool FolderBatch::FlushFileSystem(dev_t device) const {
    const auto held =
        std::find_if(locks_.begin(), locks_.end(), [device](const auto& lock) { return lock.first.first == device; });
    return held != locks_.end() && system::FlushFileSystem(held->second->Descriptor()) == 0;
}

void FolderBatch::PutWaitingInPlace() {
    std::map<dev_t, bool> flushed;
    for (const auto& [device, save] : waiting_)
        if (!flushed.contains(device))
            flushed[device] = FlushFileSystem(device);
    for (auto& [device, save] : waiting_)
        save->PutBackupInPlace(flushed[device]);
    FlushFolders();
    for (auto& [device, save] : waiting_)
        save->PutFormInPlace();
    waiting_.clear();
    FlushFolders();
}

void FolderBatch::FlushFolders() {
    for (const auto& [identity, folder] : renamedIn_) {
        const FileDescriptor descriptor(system::Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (descriptor.valid())
            system::Flush(descriptor.get());
    }
    renamedIn_.clear();
}

void FolderBatch::Finish() {
    PutWaitingInPlace();
    locks_.clear();
}

}  // namespace tremaro
