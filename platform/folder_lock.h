#pragma once

#include "platform/file_descriptor.h"

#include <string>

namespace tremaro {

// Saves of one folder take turns: each holds an exclusive lock (flock) on the folder's own
// descriptor from the look that checks the form to the flush after its rename, so that two
// saves of one form (two windows, a window and the command line, two batch runs) never
// work at once, and the second finds the first one's result as it would any other
// program's change. A lock is advisory: programs other than this one do not take it, and
// they are met by the save's checks alone. The lock is let go when the object goes, or
// when the process dies.
//
// A folder that cannot be opened (one its user may write but not list) or whose file
// system refuses locks is saved without one, as before there were any: Taken() says which.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);

    bool Taken() const { return taken_; }

    // The folder's own descriptor, held open as long as the lock.
    int Descriptor() const { return folder_.get(); }

private:
    FileDescriptor folder_;
    bool taken_ = false;
};

}  // namespace tremaro
