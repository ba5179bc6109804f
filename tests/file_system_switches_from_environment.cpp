#include "platform/system_calls.h"

#include <cstdlib>
#include <string>

// Linked only into tremaro-scale-switchable, the test build's twin of tremaro-scale, which
// the crash test runs: it lets the test take file system features away from a separate,
// statically linked program that no LD_PRELOAD shim can reach, and have it kill itself at
// a chosen call. tremaro-scale itself and the desktop program contain no code that reads
// these variables, so nothing in an installed program can be switched by accident.
//
// TREMARO_TEST_FILE_SYSTEM: a comma-separated list of no-hard-links, no-rename-noreplace
// and no-unnamed-temporary.
// TREMARO_TEST_KILLED_BEFORE_CALL: n, to die of SIGKILL just before the n-th call through
// the seam (the read's calls come first, then the save's).
namespace {

const bool kSwitched = [] {
    const char* value = std::getenv("TREMARO_TEST_FILE_SYSTEM");
    const char* killedBefore = std::getenv("TREMARO_TEST_KILLED_BEFORE_CALL");
    if (!value && !killedBefore)
        return false;
    const std::string list = std::string(",") + (value ? value : "") + ",";
    tremaro::system::FileSystemSwitches switches;
    switches.noHardLinks = list.find(",no-hard-links,") != std::string::npos;
    switches.noRenameNoReplace = list.find(",no-rename-noreplace,") != std::string::npos;
    switches.noUnnamedTemporary = list.find(",no-unnamed-temporary,") != std::string::npos;
    switches.killedBeforeCall = killedBefore ? std::atoi(killedBefore) : 0;
    tremaro::system::SetFileSystemSwitches(switches);
    return true;
}();

}  // namespace
