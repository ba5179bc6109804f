#include "platform/system_calls.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tremaro::system {
namespace {

// The one piece of state outside the windows: switches that only tests set. Left at their
// defaults, every function below is the bare system call.
struct Seam {
    FileSystemSwitches switches;
    std::array<int, kFileCallKinds> calls{};
    int allCalls = 0;
    std::vector<bool> failingCallReached;
    std::vector<RecordedCall> recorded;
};

Seam& TheSeam() {
    static Seam seam;
    return seam;
}

// Counts the call and tells whether it is the one to fail; lets the test's mischief run first.
// A process that is to die at this call dies here, before the call has done anything.
bool Fails(FileCall call) {
    Seam& seam = TheSeam();
    if (++seam.allCalls == seam.switches.killedBeforeCall)
        ::kill(::getpid(), SIGKILL);
    if (seam.switches.beforeCall)
        seam.switches.beforeCall(call);
    const int count = ++seam.calls[static_cast<std::size_t>(call)];
    for (std::size_t i = 0; i < seam.switches.failing.size(); ++i) {
        const FailingCall& failing = seam.switches.failing[i];
        if (failing.call == call && (failing.occurrence == 0 || failing.occurrence == count)) {
            seam.failingCallReached[i] = true;
            errno = EIO;
            return true;
        }
    }
    return false;
}

bool IsFolder(int descriptor) {
    struct stat info {};
    return descriptor >= 0 && ::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode);
}

// Keeps the call that describe() gives for RecordedCalls, when asked to; nothing is made
// otherwise, and the caller's errno stays as the call left it.
template <typename Describe>
void Record(Describe describe) {
    Seam& seam = TheSeam();
    if (!seam.switches.recordCalls)
        return;
    const int error = errno;
    RecordedCall call = describe();
    call.onFolder = IsFolder(call.descriptor);
    seam.recorded.push_back(std::move(call));
    errno = error;
}

std::size_t Moved(ssize_t count) {
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

int RecordedOnDescriptor(FileCall call, int descriptor, int result) {
    Record([&] { return RecordedCall{call, descriptor, false, false, {}, {}, 0, result == 0}; });
    return result;
}

int RecordedOnNames(FileCall call, const char* path, const char* newPath, int result) {
    Record([&] { return RecordedCall{call, -1, false, false, path, newPath ? newPath : "", 0, result == 0}; });
    return result;
}

}  // namespace

void SetFileSystemSwitches(FileSystemSwitches switches) {
    const std::size_t failing = switches.failing.size();
    TheSeam() = Seam{std::move(switches), {}, 0, std::vector<bool>(failing), {}};
}

bool FailingCallReached(std::size_t index) {
    const Seam& seam = TheSeam();
    return index < seam.failingCallReached.size() && seam.failingCallReached[index];
}

const std::vector<RecordedCall>& RecordedCalls() {
    return TheSeam().recorded;
}

int Open(const char* path, int flags, mode_t mode) {
    int descriptor = -1;
    if (Fails(FileCall::Open))
        descriptor = -1;
    else if ((flags & O_TMPFILE) == O_TMPFILE && TheSeam().switches.noUnnamedTemporary)
        errno = EOPNOTSUPP;
    else
        descriptor = ::open(path, flags, mode);
    Record([&] { return RecordedCall{FileCall::Open, descriptor, false, false, path, {}, 0, descriptor >= 0}; });
    return descriptor;
}

ssize_t Read(int descriptor, void* buffer, size_t size) {
    const ssize_t count = Fails(FileCall::Read) ? -1 : ::read(descriptor, buffer, size);
    Record([&] { return RecordedCall{FileCall::Read, descriptor, false, false, {}, {}, Moved(count), count >= 0}; });
    return count;
}

ssize_t Write(int descriptor, const void* bytes, size_t size) {
    const ssize_t count = Fails(FileCall::Write) ? -1 : ::write(descriptor, bytes, size);
    Record([&] { return RecordedCall{FileCall::Write, descriptor, false, false, {}, {}, Moved(count), count >= 0}; });
    return count;
}

int Flush(int descriptor) {
    int result = -1;
    if (!Fails(FileCall::Flush))
        result = TheSeam().switches.flushesDoNothing ? 0 : ::fsync(descriptor);
    return RecordedOnDescriptor(FileCall::Flush, descriptor, result);
}

int FlushFileSystem(int descriptor) {
    int result = -1;
    if (!Fails(FileCall::Flush))
        result = TheSeam().switches.flushesDoNothing ? 0 : ::syncfs(descriptor);
    Record([&] { return RecordedCall{FileCall::Flush, descriptor, false, true, {}, {}, 0, result == 0}; });
    return result;
}

int ChangeOwner(int descriptor, uid_t owner, gid_t group) {
    return RecordedOnDescriptor(FileCall::ChangeOwner, descriptor,
                                Fails(FileCall::ChangeOwner) ? -1 : ::fchown(descriptor, owner, group));
}

int ChangeMode(int descriptor, mode_t mode) {
    return RecordedOnDescriptor(FileCall::ChangeMode, descriptor,
                                Fails(FileCall::ChangeMode) ? -1 : ::fchmod(descriptor, mode));
}

int SetAttribute(int descriptor, const char* name, const void* value, size_t size) {
    return RecordedOnDescriptor(FileCall::SetAttribute, descriptor,
                                Fails(FileCall::SetAttribute) ? -1 : ::fsetxattr(descriptor, name, value, size, 0));
}

int SetTimes(int descriptor, const struct timespec times[2]) {
    return RecordedOnDescriptor(FileCall::SetTimes, descriptor,
                                Fails(FileCall::SetTimes) ? -1 : ::futimens(descriptor, times));
}

int RenameNoReplace(const char* from, const char* to) {
    int result = -1;
    if (Fails(FileCall::Rename))
        result = -1;
    else if (TheSeam().switches.noRenameNoReplace)
        errno = EINVAL;
    else
        result = ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
    return RecordedOnNames(FileCall::Rename, from, to, result);
}

int Rename(const char* from, const char* to) {
    return RecordedOnNames(FileCall::Rename, from, to, Fails(FileCall::Rename) ? -1 : ::rename(from, to));
}

int Link(const char* from, const char* to, int flags) {
    int result = -1;
    if (Fails(FileCall::Link))
        result = -1;
    else if (TheSeam().switches.noHardLinks)
        errno = EPERM;
    else
        result = ::linkat(AT_FDCWD, from, AT_FDCWD, to, flags);
    return RecordedOnNames(FileCall::Link, from, to, result);
}

int Unlink(const char* path) {
    return RecordedOnNames(FileCall::Unlink, path, nullptr, Fails(FileCall::Unlink) ? -1 : ::unlink(path));
}

int LockExclusive(int descriptor) {
    if (Fails(FileCall::Lock))
        return RecordedOnDescriptor(FileCall::Lock, descriptor, -1);
    int result = ::flock(descriptor, LOCK_EX | LOCK_NB);
    if (result != 0 && errno == EWOULDBLOCK) {
        if (TheSeam().switches.beforeWaitingForLock)
            TheSeam().switches.beforeWaitingForLock();
        while ((result = ::flock(descriptor, LOCK_EX)) != 0 && errno == EINTR) {
        }
    }
    return RecordedOnDescriptor(FileCall::Lock, descriptor, result);
}

namespace {

// FAT keeps modification times to two seconds and exFAT's driver shows the change time as
// the modification time.
int AsTheClockKeepsIt(int result, struct stat* info) {
    if (result == 0 && TheSeam().switches.coarseClock) {
        info->st_mtim = {info->st_mtim.tv_sec - info->st_mtim.tv_sec % 2, 0};
        info->st_ctim = info->st_mtim;
    }
    return result;
}

}  // namespace

int Status(const char* path, struct stat* info) {
    return AsTheClockKeepsIt(::stat(path, info), info);
}

int LinkStatus(const char* path, struct stat* info) {
    return AsTheClockKeepsIt(::lstat(path, info), info);
}

int DescriptorStatus(int descriptor, struct stat* info) {
    return AsTheClockKeepsIt(::fstat(descriptor, info), info);
}

}  // namespace tremaro::system
