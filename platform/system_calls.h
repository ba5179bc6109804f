#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/types.h>

// Every system call with which a form is read and saved goes through these functions, so
// that a test can take a feature away from the file system (hard links, rename without
// replacing, unnamed temporary files) or make any one call fail, and so run the read and
// the save on every path the code can take, not only the one this machine happens to
// take. A test can also have the calls recorded, to check the order in which a save makes
// its files last, or have the process kill itself just before its n-th call, to see what a
// crash at that moment leaves. The program itself never sets the switches; only tests
// do, in their own process or, for the command line, through the test build's twin of
// tremaro-scale (see tests/file_system_switches_from_environment.cpp).
//
// The functions behave as the system calls of the same name: -1 with errno set on failure.
namespace tremaro::system {

enum class FileCall {
    Open,
    Read,
    Write,
    Flush,
    ChangeOwner,
    ChangeMode,
    SetAttribute,  // an extended attribute, the ACL among them
    SetTimes,
    Rename,
    Link,
    Unlink,
    Lock,  // an exclusive lock on a folder, for saves of one folder to take turns
};
constexpr std::size_t kFileCallKinds = static_cast<std::size_t>(FileCall::Lock) + 1;

struct FailingCall {
    FileCall call;
    int occurrence = 0;  // the n-th call of that kind fails, or (with 0) every one
};

struct FileSystemSwitches {
    bool noHardLinks = false;          // link and linkat fail with EPERM, as on FAT or under protected_hardlinks
    bool noRenameNoReplace = false;    // renameat2 with RENAME_NOREPLACE fails with EINVAL
    bool noUnnamedTemporary = false;   // open with O_TMPFILE fails with EOPNOTSUPP
    bool flushesDoNothing = false;     // for tests that save a thousand times and check nothing a power loss would show
    std::vector<FailingCall> failing;  // these fail with EIO
    std::function<void(FileCall)> beforeCall;  // mischief by someone else between two calls
    bool recordCalls = false;                  // see RecordedCalls
    int killedBeforeCall = 0;  // the process kills itself with SIGKILL just before its n-th call of any kind
    // Times kept to two seconds, and a change time that follows the modification time, as on
    // FAT and exFAT: a rewrite with the times put back then leaves a file's status as it was.
    bool coarseClock = false;
    std::function<void()> beforeWaitingForLock = nullptr;  // the lock is held by someone else; the wait begins
};

// Takes effect at once; calls are counted (and recorded) anew from here.
void SetFileSystemSwitches(FileSystemSwitches switches);

// Whether the call switches.failing[index] has failed since the switches were set.
bool FailingCallReached(std::size_t index = 0);

// One call as it was made, failed ones included. A descriptor tells which file a call
// worked on: the one the latest open before it returned, or, in a name /proc/self/fd/N, N.
struct RecordedCall {
    FileCall call;
    int descriptor = -1;           // the descriptor a call on a descriptor was given, or the one an open returned
    bool onFolder = false;         // that descriptor is a folder's
    bool wholeFileSystem = false;  // a flush of everything on the descriptor's file system
    std::string path;              // what an open, an unlink or the first name of a rename or link names
    std::string newPath;           // the second name of a rename or link
    std::size_t size = 0;          // the bytes a read or write moved
    bool succeeded = false;
};

// The calls made since the switches were set with recordCalls, in their order.
const std::vector<RecordedCall>& RecordedCalls();

int Open(const char* path, int flags, mode_t mode = 0);
ssize_t Read(int descriptor, void* buffer, size_t size);
ssize_t Write(int descriptor, const void* bytes, size_t size);
int Flush(int descriptor);
// syncfs: flushes everything written on the file system that holds descriptor's file. It
// counts and fails as a Flush.
int FlushFileSystem(int descriptor);
int ChangeOwner(int descriptor, uid_t owner, gid_t group);
int ChangeMode(int descriptor, mode_t mode);
int SetAttribute(int descriptor, const char* name, const void* value, size_t size);
int SetTimes(int descriptor, const struct timespec times[2]);
int RenameNoReplace(const char* from, const char* to);
int Rename(const char* from, const char* to);
int Link(const char* from, const char* to, int flags = 0);
int Unlink(const char* path);
// flock(descriptor, LOCK_EX), waiting for as long as another holder keeps it.
int LockExclusive(int descriptor);

// stat, lstat and fstat, with the times as the switched file system keeps them. They are
// not counted among the calls: looking changes nothing that a fault could spoil.
int Status(const char* path, struct stat* info);
int LinkStatus(const char* path, struct stat* info);
int DescriptorStatus(int descriptor, struct stat* info);

}  // namespace tremaro::system
