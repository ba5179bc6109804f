#include "platform/file_ops.h"

#include "platform/file_descriptor.h"
#include "platform/folder_batch.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <random>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace tremaro {
namespace {

constexpr int kMaxLinksFollowed = 40;  // as the kernel's own limit

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = system::Write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

mode_t PermissionsForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The kernel's random bytes in one call: a std::random_device made for each name probes the
// processor at every set-up, 8 % of a batch save of small forms. It stays for where the call
// fails.
std::string RandomTemporaryName(const std::string& folder) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::array<unsigned char, 6> random{};
    if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
        std::random_device device;
        for (unsigned char& byte : random)
            byte = static_cast<unsigned char>(device());
    }
    std::string name = folder + "/.tremaro-";
    for (const unsigned char byte : random)
        name.push_back(kLetters[byte % (sizeof kLetters - 1)]);
    return name;
}

// Errors with which a file system says it has no such thing, rather than that it failed.
bool IsUnsupported(int error) {
    return error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS || error == EINVAL || error == EPERM ||
           error == EXDEV || error == EMLINK || error == EISDIR;
}

// Makes a rename or link itself survive a power loss; a folder that refuses it loses nothing.
void SyncFolder(const std::string& folder) {
    const FileDescriptor descriptor(system::Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.valid())
        system::Flush(descriptor.get());
}

using Temporary = StagedFile;

std::optional<Temporary> OpenNamedTemporary(const std::string& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = RandomTemporaryName(folder);
        const int descriptor = system::Open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor >= 0)
            return Temporary{std::make_unique<FileDescriptor>(descriptor), std::move(name), true};
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// What a temporary file may be: named only; unnamed where the file system has such files,
// else named; or unnamed and nothing else.
enum class Naming { Named, UnnamedWherePossible, UnnamedOnly };

std::optional<Temporary> OpenTemporary(const std::string& folder, Naming naming) {
    if (naming != Naming::Named) {
        const int descriptor = system::Open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (descriptor >= 0)
            return Temporary{std::make_unique<FileDescriptor>(descriptor), "", true};
        if (!IsUnsupported(errno) || naming == Naming::UnnamedOnly)
            return std::nullopt;
    }
    return OpenNamedTemporary(folder);
}

std::string DescriptorPath(const Temporary& temporary) {
    return "/proc/self/fd/" + std::to_string(temporary.descriptor->get());
}

// Gives an unnamed temporary file a name of its own. False with errno set when it cannot.
bool NameTemporary(Temporary& temporary, const std::string& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = RandomTemporaryName(folder);
        if (system::Link(DescriptorPath(temporary).c_str(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary.name = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// An ACL entry lost would give the group the rights of the ACL's mask; other attributes
// that this process may not set (those of the security and trusted name spaces) are
// left out rather than failing the save.
bool CopyExtendedAttributes(const std::string& source, int target) {
    const ssize_t listSize = ::listxattr(source.c_str(), nullptr, 0);
    if (listSize <= 0)
        return listSize == 0 || errno == ENOTSUP || errno == ENOSYS;
    std::vector<char> names(static_cast<std::size_t>(listSize));
    const ssize_t listed = ::listxattr(source.c_str(), names.data(), names.size());
    if (listed < 0)
        return false;
    for (const char* name = names.data(); name < names.data() + listed; name += std::strlen(name) + 1) {
        const ssize_t size = ::getxattr(source.c_str(), name, nullptr, 0);
        std::vector<char> value(static_cast<std::size_t>(size > 0 ? size : 0));
        if (size < 0 || ::getxattr(source.c_str(), name, value.data(), value.size()) != size)
            return false;
        if (system::SetAttribute(target, name, value.data(), value.size()) != 0) {
            const bool mayBeLeftOut = std::strncmp(name, "system.posix_acl", 16) != 0 &&
                                      (errno == EPERM || errno == EACCES || errno == ENOTSUP);
            if (!mayBeLeftOut)
                return false;
        }
    }
    return true;
}

// Owners, modes and times that a file system cannot hold (FAT has no owners and few
// modes; some FUSE file systems have no chown at all) are refused with one of these; its
// files then have what it was mounted with, whatever a save asks for.
bool CannotHold(int error) {
    return error == EPERM || error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

bool GiveMode(int target, mode_t mode) {
    return system::ChangeMode(target, mode) == 0 || CannotHold(errno);
}

// Owner and group first, since changing them clears the set-user and set-group bits. Where
// the owner may not be given (an ordinary user saving another's form), the group may.
bool GiveAttributesOf(int target, const std::string& source, const struct stat& info, bool withTimes) {
    if (system::ChangeOwner(target, info.st_uid, info.st_gid) != 0) {
        if (!CannotHold(errno))
            return false;
        if (system::ChangeOwner(target, static_cast<uid_t>(-1), info.st_gid) != 0 && !CannotHold(errno))
            return false;
    }
    if (!GiveMode(target, info.st_mode & 07777) || !CopyExtendedAttributes(source, target))
        return false;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    return !withTimes || system::SetTimes(target, times) == 0 || CannotHold(errno);
}

// The file whose attributes a new one gets: its status as a read found it, and its name
// (for its extended attributes).
struct Original {
    const std::string& path;
    const struct stat& info;
    bool withTimes = false;
};

// Whether the file has the owner and group asked for. A file system that has no owners
// (FAT) gives every file the same, so a refused change of owner loses nothing there.
bool HasOwnerOf(int descriptor, const struct stat& wanted) {
    struct stat info {};
    return system::DescriptorStatus(descriptor, &info) == 0 && info.st_uid == wanted.st_uid &&
           info.st_gid == wanted.st_gid;
}

// Whether a file just written is flushed at once, or with the rest of its batch.
enum class FlushWhen { Now, WithBatch };

// The temporary file holding bytes, with the original's attributes or (with no original)
// those of a new file, flushed to the disk unless its batch is to flush it.
std::optional<Temporary> WriteTemporary(const std::string& folder, std::string_view bytes, const Original* original,
                                        Naming naming, FlushWhen flush = FlushWhen::Now) {
    auto temporary = OpenTemporary(folder, naming);
    if (!temporary)
        return std::nullopt;
    const int descriptor = temporary->descriptor->get();
    const bool complete = WriteAll(descriptor, bytes) &&
                          (original ? GiveAttributesOf(descriptor, original->path, original->info, original->withTimes)
                                    : GiveMode(descriptor, PermissionsForNewFile())) &&
                          (flush == FlushWhen::WithBatch || system::Flush(descriptor) == 0);
    if (!complete) {
        Discard(*temporary);
        return std::nullopt;
    }
    temporary->ownerKept = !original || HasOwnerOf(descriptor, original->info);
    return temporary;
}

// Named, or nothing: an unnamed file that cannot get a name (no hard links here) is written
// again as a named one, and flushed.
bool NameOrWriteAgain(std::optional<Temporary>& temporary, const std::string& folder, std::string_view bytes,
                      const Original* original) {
    if (!temporary->name.empty() || NameTemporary(*temporary, folder))
        return true;
    if (!IsUnsupported(errno) && errno != ENOENT) {  // ENOENT: no /proc to name it through
        temporary.reset();
        return false;
    }
    temporary = WriteTemporary(folder, bytes, original, Naming::Named);
    return temporary.has_value();
}

// Written, flushed and named, or nothing.
std::optional<Temporary> WriteNamedTemporary(const std::string& folder, std::string_view bytes,
                                             const Original* original) {
    auto temporary = WriteTemporary(folder, bytes, original, Naming::UnnamedWherePossible);
    if (temporary)
        NameOrWriteAgain(temporary, folder, bytes, original);
    return temporary;
}

CopyResult PutInPlaceByCheckedRename(const Temporary& temporary, const std::string& target) {
    if (KindOfPath(target) != PathKind::Missing)
        return CopyResult::TargetExists;
    return system::Rename(temporary.name.c_str(), target.c_str()) == 0 ? CopyResult::Copied : CopyResult::Failed;
}

CopyResult PutInPlaceByLink(const Temporary& temporary, const std::string& target) {
    if (system::Link(temporary.name.c_str(), target.c_str()) == 0) {
        system::Unlink(temporary.name.c_str());  // left behind at worst, the copy stands
        return CopyResult::Copied;
    }
    if (errno == EEXIST)
        return CopyResult::TargetExists;
    return IsUnsupported(errno) ? PutInPlaceByCheckedRename(temporary, target) : CopyResult::Failed;
}

CopyResult PutNamedInPlace(const Temporary& temporary, const std::string& target) {
    CopyResult result = CopyResult::Copied;
    if (system::RenameNoReplace(temporary.name.c_str(), target.c_str()) != 0) {
        if (errno == EEXIST)
            result = CopyResult::TargetExists;
        else
            result = IsUnsupported(errno) ? PutInPlaceByLink(temporary, target) : CopyResult::Failed;
    }
    if (result != CopyResult::Copied)
        Discard(temporary);
    return result;
}

// An unnamed file is linked straight to its final name, which never replaces.
CopyOutcome PutInPlace(Temporary& temporary, const std::string& target, const std::string& folder,
                       std::string_view bytes, const Original& original) {
    if (!temporary.name.empty())
        return {PutNamedInPlace(temporary, target), temporary.ownerKept};
    if (system::Link(DescriptorPath(temporary).c_str(), target.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return {CopyResult::Copied, temporary.ownerKept};
    if (errno == EEXIST)
        return {CopyResult::TargetExists, true};
    if (!IsUnsupported(errno) && errno != ENOENT)
        return {CopyResult::Failed, true};
    auto named = WriteTemporary(folder, bytes, &original, Naming::Named);
    return named ? CopyOutcome{PutNamedInPlace(*named, target), named->ownerKept}
                 : CopyOutcome{CopyResult::Failed, true};
}

// The rename that replaces path happens only while path still holds the file that the
// caller last found there (or, where there was none, nothing), so that a change another
// program made meanwhile is not written over unseen.
bool StillAsFound(const std::string& path, const FileRead* original) {
    if (original)
        return StillHolds(path, *original);
    struct stat info {};
    return system::LinkStatus(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool EqualIgnoringLetterCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

PathKind KindOfPath(const std::string& path) {
    struct stat info {};
    if (system::LinkStatus(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(info.st_mode))
        return PathKind::PlainFile;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
}

std::string FinalTarget(const std::string& path) {
    std::string current = path;
    for (int step = 0; step < kMaxLinksFollowed; ++step) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
            return current;
        const std::string next(target, static_cast<std::size_t>(length));
        current = next.front() == '/' || current.find('/') == std::string::npos ? next : FolderOf(current) + "/" + next;
    }
    return current;
}

std::optional<std::vector<std::string>> NamesBeside(const std::string& path) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(FolderOf(path).c_str()), ::closedir);
    if (!folder)
        return std::nullopt;
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    return names;
}

bool IsWritable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string NameAsListed(const std::string& path) {
    return NameAsListedAmong(path, NamesBeside(path));
}

std::string NameAsListedAmong(const std::string& path, const std::optional<std::vector<std::string>>& names) {
    struct stat named {};
    if (!names || system::LinkStatus(path.c_str(), &named) != 0)
        return path;
    const std::string_view name = std::string_view(path).substr(path.rfind('/') + 1);
    if (std::find(names->begin(), names->end(), name) != names->end())
        return path;
    const std::string folderPart = path.substr(0, path.size() - name.size());
    for (const std::string& listed : *names) {
        struct stat info {};
        if (EqualIgnoringLetterCase(listed, name) && system::LinkStatus((folderPart + listed).c_str(), &info) == 0 &&
            info.st_dev == named.st_dev && info.st_ino == named.st_ino)
            return folderPart + listed;
    }
    return path;
}

std::optional<FileState> StateAt(const std::string& path) {
    struct stat info {};
    if (system::Status(path.c_str(), &info) != 0)
        return std::nullopt;
    return StateOf(info);
}

CopyOutcome CopyToNewName(const FileRead& source, const std::string& sourcePath, const std::string& target) {
    if (KindOfPath(target) != PathKind::Missing)
        return {CopyResult::TargetExists, true};  // spares the copy; the steps below check again
    const Original original{sourcePath, source.info, true};
    const std::string folder = FolderOf(target);
    auto temporary = WriteTemporary(folder, source.bytes, &original, Naming::UnnamedWherePossible);
    if (!temporary)
        return {CopyResult::Failed, true};
    const CopyOutcome outcome = PutInPlace(*temporary, target, folder, source.bytes, original);
    if (outcome.result == CopyResult::Copied)
        SyncFolder(folder);
    return outcome;
}

bool FolderMakesHardLinks(const std::string& folder) {
    auto temporary = OpenTemporary(folder, Naming::UnnamedWherePossible);
    if (!temporary)
        return false;
    bool linked = false;
    if (temporary->name.empty()) {  // naming an unnamed file is a link itself
        linked = NameTemporary(*temporary, folder);
    } else {
        const std::string second = RandomTemporaryName(folder);
        linked = system::Link(temporary->name.c_str(), second.c_str()) == 0;
        if (linked)
            system::Unlink(second.c_str());
    }
    Discard(*temporary);
    return linked;
}

LinkResult LinkAsBackup(FileRead& source, const std::string& sourcePath, const std::string& target,
                        FolderBatch* batch) {
    if (source.info.st_nlink != 1 || !StillHolds(sourcePath, source))
        return LinkResult::NotThisFile;
    if (system::Link(sourcePath.c_str(), target.c_str()) != 0)
        return errno == EEXIST ? LinkResult::TargetExists : LinkResult::NoHardLinks;
    // The file linked is the one read only where its state, but for the change time the link
    // gave it, is as the read found it (and, where the times cannot tell, its bytes too).
    const struct stat asRead = source.info;
    if (system::LinkStatus(target.c_str(), &source.info) == 0) {
        FileState expected = StateOf(asRead);
        expected.changedSeconds = source.info.st_ctim.tv_sec;
        expected.changedNanoseconds = source.info.st_ctim.tv_nsec;
        if (StateOf(source.info) == expected && StillHolds(target, source)) {
            if (batch)
                batch->RenamedIn(FolderOf(target));
            else
                SyncFolder(FolderOf(target));
            return LinkResult::Linked;
        }
    }
    source.info = asRead;
    // Another program's file, linked in the instant after the look: its own name still holds it.
    return system::Unlink(target.c_str()) == 0 ? LinkResult::NotThisFile : LinkResult::TargetExists;
}

std::optional<StagedFile> StageCopy(const FileRead& source, const std::string& sourcePath, const std::string& target) {
    const Original original{sourcePath, source.info, true};
    return WriteTemporary(FolderOf(target), source.bytes, &original, Naming::UnnamedWherePossible,
                          FlushWhen::WithBatch);
}

bool FlushStaged(const StagedFile& staged) {
    return system::Flush(staged.descriptor->get()) == 0;
}

CopyOutcome PutStagedCopyInPlace(StagedFile& staged, const FileRead& source, const std::string& sourcePath,
                                 const std::string& target, FolderBatch& batch) {
    const Original original{sourcePath, source.info, true};
    const std::string folder = FolderOf(target);
    const CopyOutcome outcome = PutInPlace(staged, target, folder, source.bytes, original);
    if (outcome.result == CopyResult::Copied)
        batch.RenamedIn(folder);
    return outcome;
}

namespace {

// The rename of a written and named temporary file over path, while path holds what the
// caller found there.
ReplaceOutcome PutNamedReplacementInPlace(const Temporary& temporary, const std::string& path, const FileRead* original,
                                          FolderBatch* batch) {
    if (!StillAsFound(path, original)) {
        Discard(temporary);
        return {ReplaceResult::ChangedMeanwhile, true, {}};
    }
    if (system::Rename(temporary.name.c_str(), path.c_str()) != 0) {
        Discard(temporary);
        return {ReplaceResult::Failed, true, {}};
    }
    ReplaceOutcome outcome{ReplaceResult::Replaced, temporary.ownerKept, {}};
    system::DescriptorStatus(temporary.descriptor->get(), &outcome.written);
    const std::string folder = FolderOf(path);
    if (batch && batch->Holds(folder))
        batch->RenamedIn(folder);
    else
        SyncFolder(folder);
    return outcome;
}

std::optional<Original> AttributesFrom(const std::string& path, const FileRead* original) {
    return original ? std::optional<Original>(Original{path, original->info, false}) : std::nullopt;
}

}  // namespace

ReplaceOutcome ReplaceFile(const std::string& path, std::string_view bytes, const FileRead* original,
                           FolderBatch* batch) {
    const std::optional<Original> attributesFrom = AttributesFrom(path, original);
    const auto temporary = WriteNamedTemporary(FolderOf(path), bytes, attributesFrom ? &*attributesFrom : nullptr);
    if (!temporary)
        return {ReplaceResult::Failed, true, {}};
    return PutNamedReplacementInPlace(*temporary, path, original, batch);
}

std::optional<StagedFile> StageReplacement(const std::string& path, std::string_view bytes, const FileRead* original) {
    const std::optional<Original> attributesFrom = AttributesFrom(path, original);
    return WriteTemporary(FolderOf(path), bytes, attributesFrom ? &*attributesFrom : nullptr,
                          Naming::UnnamedWherePossible, FlushWhen::WithBatch);
}

UnnamedReplacement WriteUnnamedReplacement(const std::string& path, std::string_view bytes, const FileRead* original) {
    const std::optional<Original> attributesFrom = AttributesFrom(path, original);
    auto written =
        WriteTemporary(FolderOf(path), bytes, attributesFrom ? &*attributesFrom : nullptr, Naming::UnnamedOnly);
    if (written)
        return {std::move(written), false};
    return {std::nullopt, IsUnsupported(errno)};
}

ReplaceOutcome PutStagedReplacementInPlace(StagedFile& staged, const std::string& path, std::string_view bytes,
                                           const FileRead* original, FolderBatch* batch) {
    const std::optional<Original> attributesFrom = AttributesFrom(path, original);
    std::optional<Temporary> temporary(std::move(staged));
    if (!NameOrWriteAgain(temporary, FolderOf(path), bytes, attributesFrom ? &*attributesFrom : nullptr))
        return {ReplaceResult::Failed, true, {}};
    return PutNamedReplacementInPlace(*temporary, path, original, batch);
}

void Discard(const StagedFile& staged) {
    if (!staged.name.empty())
        system::Unlink(staged.name.c_str());
}

bool RemoveFile(const std::string& path) {
    return system::Unlink(path.c_str()) == 0;
}

}  // namespace tremaro
