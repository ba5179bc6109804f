#include "platform/folder_lock.h"

#include "platform/system_calls.h"

#include <fcntl.h>

namespace tremaro {

FolderLock::FolderLock(const std::string& folder)
    : folder_(system::Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    taken_ = folder_.valid() && system::LockExclusive(folder_.get()) == 0;
}

}  // namespace tremaro
