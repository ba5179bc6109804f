#include "platform/input_file.h"

#include "platform/file_descriptor.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremaro {
namespace {

// Files that tell no size (those under /proc) are read in steps of this much.
constexpr std::size_t kReadStep = 64 * 1024;

// Looked at before it is opened, since opening a device can itself do something; and again
// after, in case the name was given to something else in between. Opening without waiting
// keeps a pipe with no writer from holding the program. On failure errno says why.
int OpenPlainFile(const std::string& path, struct stat& info) {
    if (system::Status(path.c_str(), &info) != 0)
        return -1;
    if (!S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    const int descriptor = system::Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    if (system::DescriptorStatus(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        errno = EINVAL;
        return -1;
    }
    return descriptor;
}

// A read that a signal broke off before any byte came is made again.
ssize_t ReadUninterrupted(int descriptor, char* buffer, std::size_t size) {
    ssize_t count = 0;
    do
        count = system::Read(descriptor, buffer, size);
    while (count < 0 && errno == EINTR);
    return count;
}

// One read more than the size told is needed to see the end; a file that grows while it is
// read is read on, up to the limit.
ReadStatus ReadAll(int descriptor, std::size_t sizeWhenOpened, std::string& bytes) {
    if (sizeWhenOpened > kMaxFileSize)
        return ReadStatus::TooLarge;
    std::size_t filled = 0;
    bytes.resize(sizeWhenOpened + 1);
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > kMaxFileSize)
                return ReadStatus::TooLarge;
            bytes.resize(std::min(filled + kReadStep, kMaxFileSize + 1));
        }
        const ssize_t count = ReadUninterrupted(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0)
            return ReadStatus::CannotRead;
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return ReadStatus::Read;
}

// Where the times cannot show a rewrite, a second reading must find the same bytes: a
// writer at work meanwhile leaves the two different. It is compared a piece at a time, so
// that it costs no second copy of the form in memory.
ReadStatus ConfirmedByASecondReading(int descriptor, std::string_view bytes) {
    if (::lseek(descriptor, 0, SEEK_SET) != 0)
        return ReadStatus::CannotRead;
    const auto piece = std::make_unique_for_overwrite<char[]>(kReadStep);
    std::size_t compared = 0;
    for (;;) {
        const ssize_t count = ReadUninterrupted(descriptor, piece.get(), kReadStep);
        if (count < 0)
            return ReadStatus::CannotRead;
        if (count == 0)
            break;
        const auto read = static_cast<std::size_t>(count);
        if (read > bytes.size() - compared || std::memcmp(piece.get(), bytes.data() + compared, read) != 0)
            return ReadStatus::ChangedWhileRead;
        compared += read;
    }
    return compared == bytes.size() ? ReadStatus::Read : ReadStatus::ChangedWhileRead;
}

}  // namespace

bool TimesCannotTell(const struct stat& info) {
    const bool wholeSeconds = info.st_mtim.tv_nsec == 0 && info.st_ctim.tv_nsec == 0;
    const bool changeFollowsModification =
        info.st_ctim.tv_sec == info.st_mtim.tv_sec && info.st_ctim.tv_nsec == info.st_mtim.tv_nsec;
    return wholeSeconds || changeFollowsModification;
}

FileState StateOf(const struct stat& info) {
    return FileState{info.st_dev,          info.st_ino,         info.st_size,        info.st_mtim.tv_sec,
                     info.st_mtim.tv_nsec, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
}

ReadStatus ReadWholeFile(const std::string& path, FileRead& read) {
    struct stat before {};
    const FileDescriptor file(OpenPlainFile(path, before));
    if (file.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::CannotRead;
    std::string bytes;
    const ReadStatus status = ReadAll(file.get(), static_cast<std::size_t>(before.st_size), bytes);
    if (status != ReadStatus::Read)
        return status;
    struct stat after {};
    if (system::DescriptorStatus(file.get(), &after) != 0)
        return ReadStatus::CannotRead;
    // Files that tell no size (those under /proc) give more bytes than they say and keep
    // their state; a file that grew, shrank or was written while being read does not.
    if (bytes.size() < static_cast<std::size_t>(before.st_size) || StateOf(after) != StateOf(before))
        return ReadStatus::ChangedWhileRead;
    // Those that tell no size are made anew at each reading, and are no form being written.
    if (TimesCannotTell(after) && bytes.size() == static_cast<std::size_t>(after.st_size)) {
        const ReadStatus confirmed = ConfirmedByASecondReading(file.get(), bytes);
        if (confirmed != ReadStatus::Read)
            return confirmed;
    }
    read.bytes = std::move(bytes);
    read.info = after;
    return ReadStatus::Read;
}

std::string FirstBytesOf(const std::string& path, std::size_t count) {
    struct stat info {};
    const int descriptor = OpenPlainFile(path, info);
    if (descriptor < 0)
        return {};
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t read = ReadUninterrupted(descriptor, bytes.data() + filled, count - filled);
        if (read <= 0)
            break;
        filled += static_cast<std::size_t>(read);
    }
    ::close(descriptor);
    bytes.resize(filled);
    return bytes;
}

bool StillHolds(const std::string& path, const FileRead& read) {
    struct stat info {};
    if (system::LinkStatus(path.c_str(), &info) != 0 || StateOf(info) != read.State())
        return false;
    if (!TimesCannotTell(info))
        return true;
    struct stat opened {};
    const FileDescriptor file(OpenPlainFile(path, opened));
    std::string bytes;
    if (!file.valid() || StateOf(opened) != read.State() ||
        ReadAll(file.get(), static_cast<std::size_t>(opened.st_size), bytes) != ReadStatus::Read || bytes != read.bytes)
        return false;
    // A change the times do show, made while the bytes were compared, is seen here.
    return system::LinkStatus(path.c_str(), &info) == 0 && StateOf(info) == read.State();
}

}  // namespace tremaro
