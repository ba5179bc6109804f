#include "platform/system_calls.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
    std::vector<bool> failingCallReached;
};

Seam& TheSeam() {
    static Seam seam;
    return seam;
}

// Counts the call and tells whether it is the one to fail; lets the test's mischief run first.
bool Fails(FileCall call) {
    Seam& seam = TheSeam();
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

}  // namespace

void SetFileSystemSwitches(FileSystemSwitches switches) {
    const std::size_t failing = switches.failing.size();
    TheSeam() = Seam{std::move(switches), {}, std::vector<bool>(failing)};
}

bool FailingCallReached(std::size_t index) {
    const Seam& seam = TheSeam();
    return index < seam.failingCallReached.size() && seam.failingCallReached[index];
}

int Open(const char* path, int flags, mode_t mode) {
    if (Fails(FileCall::Open))
        return -1;
    if ((flags & O_TMPFILE) == O_TMPFILE && TheSeam().switches.noUnnamedTemporary) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ::open(path, flags, mode);
}

ssize_t Read(int descriptor, void* buffer, size_t size) {
    return Fails(FileCall::Read) ? -1 : ::read(descriptor, buffer, size);
}

ssize_t Write(int descriptor, const void* bytes, size_t size) {
    return Fails(FileCall::Write) ? -1 : ::write(descriptor, bytes, size);
}

int Flush(int descriptor) {
    if (Fails(FileCall::Flush))
        return -1;
    return TheSeam().switches.flushesDoNothing ? 0 : ::fsync(descriptor);
}

int ChangeOwner(int descriptor, uid_t owner, gid_t group) {
    return Fails(FileCall::ChangeOwner) ? -1 : ::fchown(descriptor, owner, group);
}

int ChangeMode(int descriptor, mode_t mode) {
    return Fails(FileCall::ChangeMode) ? -1 : ::fchmod(descriptor, mode);
}

int SetAttribute(int descriptor, const char* name, const void* value, size_t size) {
    return Fails(FileCall::SetAttribute) ? -1 : ::fsetxattr(descriptor, name, value, size, 0);
}

int SetTimes(int descriptor, const struct timespec times[2]) {
    return Fails(FileCall::SetTimes) ? -1 : ::futimens(descriptor, times);
}

int RenameNoReplace(const char* from, const char* to) {
    if (Fails(FileCall::Rename))
        return -1;
    if (TheSeam().switches.noRenameNoReplace) {
        errno = EINVAL;
        return -1;
    }
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

int Rename(const char* from, const char* to) {
    return Fails(FileCall::Rename) ? -1 : ::rename(from, to);
}

int Link(const char* from, const char* to, int flags) {
    if (Fails(FileCall::Link))
        return -1;
    if (TheSeam().switches.noHardLinks) {
        errno = EPERM;
        return -1;
    }
    return ::linkat(AT_FDCWD, from, AT_FDCWD, to, flags);
}

int Unlink(const char* path) {
    return Fails(FileCall::Unlink) ? -1 : ::unlink(path);
}

}  // namespace tremaro::system
