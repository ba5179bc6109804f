#include "platform/file_ops.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremaro {
namespace {

RenameResult RenameByLink(const std::string& oldPath, const std::string& newPath) {
    if (::link(oldPath.c_str(), newPath.c_str()) != 0) {
        if (errno == EEXIST)
            return RenameResult::TargetExists;
        return errno == ENOENT ? RenameResult::SourceMissing : RenameResult::Failed;
    }
    if (::unlink(oldPath.c_str()) != 0) {
        ::unlink(newPath.c_str());
        return RenameResult::Failed;
    }
    return RenameResult::Renamed;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

FileMode PermissionsForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself survive a power loss; a folder that refuses it loses nothing.
void SyncFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

}  // namespace

RenameResult RenameFile(const std::string& oldPath, const std::string& newPath) {
    if (::renameat2(AT_FDCWD, oldPath.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE) == 0)
        return RenameResult::Renamed;
    switch (errno) {
    case EEXIST:
        return RenameResult::TargetExists;
    case ENOENT:
        return KindOfPath(oldPath) == PathKind::Missing ? RenameResult::SourceMissing
                                                         : RenameResult::Failed;
    case EINVAL:
    case ENOSYS:
    case ENOTSUP:
        // The file system cannot rename without replacing; a hard link can.
        return RenameByLink(oldPath, newPath);
    default:
        return RenameResult::Failed;
    }
}

LinkResult LinkFile(const std::string& oldPath, const std::string& newPath) {
    if (::link(oldPath.c_str(), newPath.c_str()) == 0)
        return LinkResult::Linked;
    switch (errno) {
    case EEXIST:
        return LinkResult::TargetExists;
    case ENOENT:
        return KindOfPath(oldPath) == PathKind::Missing ? LinkResult::SourceMissing : LinkResult::Failed;
    case EPERM:
    case EXDEV:
    case EMLINK:
    case ENOTSUP:
    case ENOSYS:
        return LinkResult::Unsupported;
    default:
        return LinkResult::Failed;
    }
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool IsSameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    return ::lstat(first.c_str(), &a) == 0 && ::lstat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

PathKind KindOfPath(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    if (S_ISREG(info.st_mode))
        return PathKind::PlainFile;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
}

std::optional<FileMode> PermissionsOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return info.st_mode & 07777;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::optional<FileMode> permissions) {
    const std::string folder = FolderOf(path);
    std::string temporary = folder + "/.tremaro-XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool written = WriteAll(descriptor, bytes) &&
                         ::fchmod(descriptor, permissions.value_or(PermissionsForNewFile())) == 0 &&
                         ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace tremaro
